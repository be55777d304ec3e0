// The adventure spell list and the bridge form, through the game's own
// dialogs over the map, touched as the player touches them.
#include <gtest/gtest.h>

#include <tuple>

#include "app/key_codes.h"
#include "game/world/adventure_spells.h"
#include "screens/screen_game_ui.h"
#include "screens_test_support.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

class SpellDialogs : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"AdventureSpells", "BridgeBuilding"});
        // The teacher's picture beside "You cant cast spells".
        WritePictures({"Img/Army/Gnomes.Layer 4"});
        OnIsleScreens::SetUp();
        test::LoadTestSpells();
        hero().SetCanUseSpells(true);
        hero().AddSpellPower(2);
    }

    Form* Dialog() const { return adventure->dialog(); }
    // The bridge form, reached from the list's first line.
    void OpenBridgeForm() {
        OpenAdventureSpells(*game);
        TapOnDialog("Item0");
        ASSERT_NE(Dialog(), nullptr);
        ASSERT_NE(Dialog()->findChild("Up"), nullptr) << "not the bridge form";
    }
};

TEST_F(SpellDialogs, OnlyAHeroWithMagicGetsTheList) {
    for (const bool magic : {false, true}) {
        hero().SetCanUseSpells(magic);
        OpenAdventureSpells(*game);
        ASSERT_NE(Dialog(), nullptr) << magic;
        EXPECT_EQ(Dialog()->findChild("Title") != nullptr, magic);
        if (magic) {
            EXPECT_EQ(Text("Title"), u"Adventure Spells");
            EXPECT_EQ(Text("Item6"), u"RaiseControlSpell: 0");
            EXPECT_EQ(Text("CHeader"), u"Combat Spells");
        } else {
            EXPECT_EQ(Text("Text"), u"You cant cast spells");
            EXPECT_EQ(Text("Button0"), u"Continue");
        }
        Key(kKeyEsc);
        EXPECT_EQ(Dialog(), nullptr) << magic;
    }
}

// The combat counts show over the list and leave it to choose from; a line
// then casts its spell and the map's status line follows.
TEST_F(SpellDialogs, TheCombatCountsShowOverTheListAndALineCastsItsSpell) {
    hero().spells().Add("TimeStopSpell", 2);
    hero().spells().Add("FireballSpell", 3);
    OpenAdventureSpells(*game);
    Form* list = Dialog();
    EXPECT_EQ(Text("Item1"), u"TimeStopSpell: 2");
    TapOnDialog("CHeader");
    ASSERT_NE(Dialog(), list);
    EXPECT_EQ(Text("Text"),
              u"CloneSpell: 0\nTeleportSpell: 0\nFireballSpell: 3\nLightningSpell: 0\n"
              u"FreezeSpell: 0\nResurrectSpell: 0\nTurnUndeadSpell: 0");
    TapOnDialog("Button0");
    ASSERT_EQ(Dialog(), list);

    TapOnDialog("Item1");
    EXPECT_EQ(Dialog(), nullptr);
    EXPECT_EQ(game->time().timeStop(), 20);  // power 2 x value 10
    EXPECT_EQ(adventure->findChild("Status")->text(), u"Time Stop: 20");
    EXPECT_EQ(hero().spells().Count("TimeStopSpell"), 1);
}

// Each way is offered only where the next cell takes a bridge; beyond the
// continent's edge nothing is, whatever the cell inside holds.
TEST_F(SpellDialogs, TheBridgeFormOffersTheWaysThatTakeABridge) {
    Location& isle = game->here();
    for (const Cell water : {Cell{1, 63}, Cell{0, 62}, Cell{62, 0}, Cell{63, 1}}) {
        isle.SetTerrain(water, 3);
    }
    using Open = std::tuple<bool, bool, bool, bool>;  // Left, Right, Down, Up
    const std::pair<Cell, Open> cases[] = {
        {{5, 3}, {false, true, false, false}},  // grass all round but the water to the right
        {{0, 63}, {false, true, true, false}},  // the top left corner
        {{63, 0}, {true, false, false, true}},  // the bottom right corner
    };
    hero().spells().Add("BridgeSpell", 1);
    for (const auto& [at, open] : cases) {
        hero().MoveTo(0, at);
        OpenBridgeForm();
        auto enabled = [this](const char* button) {
            return Dialog()->findChild(button)->isEnabled();
        };
        EXPECT_EQ(Open(enabled("Left"), enabled("Right"), enabled("Down"), enabled("Up")), open)
            << at.x << "," << at.y;
        Key(kKeyEsc);
    }
}

// Only a way that is offered builds; giving up builds nothing and keeps the spell.
TEST_F(SpellDialogs, AnOfferedWayBuildsAndClosesAndCancelKeepsTheSpell) {
    Location& isle = game->here();
    hero().MoveTo(0, {5, 3});
    hero().spells().Add("BridgeSpell", 1);
    const std::tuple<const char*, bool, int, int> cases[] = {
        // touched, form still open, terrain right of the hero, bridges left
        {"Left", true, 3, 1},
        {"Esc", false, 3, 1},
        {"Cancel", false, 3, 1},
        {"Right", false, 1, 0},
    };
    for (const auto& [touched, stillOpen, terrain, left] : cases) {
        OpenBridgeForm();
        if (touched == std::string("Esc")) {
            Key(kKeyEsc);
        } else {
            TapOnDialog(touched);
        }
        EXPECT_EQ(std::tuple(Dialog() != nullptr, isle.TerrainAt({6, 3}),
                             hero().spells().Count("BridgeSpell")),
                  std::tuple(stillOpen, terrain, left))
            << touched;
        if (stillOpen) Key(kKeyEsc);
    }
}

}  // namespace
}  // namespace cv
