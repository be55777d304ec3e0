// The panels beside the adventure map as the game changes under them: each
// one's picture on either side of what switches it, the bricks of the puzzle,
// the gold, and the screen a tap, Space or Enter on each opens.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/key_codes.h"
#include "core/config_parser.h"
#include "screens/adventure_panels.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class Panels : public test::OnIsle {
protected:
    void SetUp() override {
        WriteForms({"HeroStatus", "ArmyView"});
        WritePictures({"Img/Heroes/Knight", "Img/Inv/emptyA", "Img/Inv/emptyB", "Terr/003"});
        OnIsle::SetUp();
        // Villain 1 holds the puzzle's centre, villain 2 no piece; A1 and A2
        // share the top left corner, where the later one decides.
        Parse(*Root(), R"(Villains { 1 { Army = "Militia:1" PX = 2 PY = 2 }
                                     2 { Army = "Militia:1" } }
                          Artifacts { A1 { PX = 0 PY = 0 } A2 { PX = 0 PY = 0 } })");
        game->villains().Load(Root());
    }

    const AdventurePanel& Panel(const std::string& name) const {
        adventure->Update();
        return dynamic_cast<const AdventurePanel&>(*adventure->findChild(name));
    }
    int CoveredPlaces() const {
        const auto& puzzle = dynamic_cast<const PuzzlePanel&>(Panel("MapPieces"));
        int covered = 0;
        for (int row = 0; row < kPuzzleSize; ++row) {
            for (int column = 0; column < kPuzzleSize; ++column) {
                covered += puzzle.covered(column, row);
            }
        }
        return covered;
    }
    // The form the last tap or key opened, through the rules or on the map.
    std::string Opened() const {
        if (Form* dialog = adventure->dialog()) return dialog->name();
        return ui.open.empty() ? "" : ui.open.back().screen;
    }
};

TEST_F(Panels, EachPanelShowsItsContentExactlyWhileThereIsSome) {
    struct Step {
        std::function<void(Hero&)> change;
        const char* look;
    };
    const struct {
        const char* panel;
        std::vector<Step> steps;
    } panels[] = {
        {"Villain",
         {{[](Hero&) {}, "Img\\UI\\NoContract"},
          {[](Hero& h) { h.SetCurrentContract(3); }, "Img\\UI\\NoContract"},  // nobody's number
          {[](Hero& h) { h.SetCurrentContract(2); }, "Villain2"},
          {[](Hero& h) { h.CatchVillain(2); }, "Img\\UI\\NoContract"}}},
        {"WeaponInfo",
         {{[](Hero&) {}, "Img\\UI\\NoWeapon"},
          {[](Hero& h) { h.SetSiegeWeapons(true); }, "Img\\UI\\Weapon1"}}},
        {"SpellInfo",
         {{[](Hero&) {}, "Img\\UI\\NoSpell"},
          {[](Hero& h) { h.spells().Add("Fireball", 2); }, "Img\\UI\\Spell"},
          {[](Hero& h) { h.spells().Remove("Fireball", 1); }, "Img\\UI\\Spell"},
          {[](Hero& h) { h.spells().Remove("Fireball", 1); }, "Img\\UI\\NoSpell"}}}};
    for (const auto& [panel, steps] : panels) {
        for (size_t i = 0; i < steps.size(); ++i) {
            steps[i].change(hero());
            EXPECT_EQ(Panel(panel).look(), steps[i].look) << panel << " step " << i;
        }
    }
}

TEST_F(Panels, APieceFoundOrAVillainCaughtTakesTheBrickOffItsPlace) {
    EXPECT_EQ(CoveredPlaces(), 25);
    hero().AddArtifact("A1");  // the corner's other piece still lies over it
    EXPECT_EQ(CoveredPlaces(), 25);
    hero().AddArtifact("A2");
    EXPECT_EQ(CoveredPlaces(), 24);
    EXPECT_FALSE(dynamic_cast<const PuzzlePanel&>(Panel("MapPieces")).covered(0, 0));

    game->villains().Find(2).SetArmy(nullptr);  // he holds no piece
    EXPECT_EQ(CoveredPlaces(), 24);
    game->villains().Find(1).SetArmy(nullptr);
    EXPECT_EQ(CoveredPlaces(), 23);
    EXPECT_FALSE(dynamic_cast<const PuzzlePanel&>(Panel("MapPieces")).covered(2, 2));
}

TEST_F(Panels, TheGoldPanelCountsTheHerosGold) {
    hero().SetGold(999);
    EXPECT_EQ(Panel("GoldInfo").text(), u"999");
    hero().AddGold(1);
    EXPECT_EQ(Panel("GoldInfo").text(), u"1,000");
}

TEST_F(Panels, ATapSpaceOrEnterOnAPanelOpensWhatItStandsFor) {
    hero().SetCurrentContract(1);
    hero().SetCanUseSpells(true);
    const struct {
        const char* panel;
        const char* opened;
    } panels[] = {{"Villain", "ContractInfo"},
                  {"WeaponInfo", "ArmyView"},
                  {"SpellInfo", "AdventureSpells"},
                  {"MapPieces", "Puzzle"},
                  {"GoldInfo", "HeroStatus"}};
    for (const auto& [panel, opened] : panels) {
        Tap(panel);
        EXPECT_EQ(Opened(), opened) << panel;
        adventure->onKey(kKeyEsc, true);  // closes the dialog over the map
        ui.open.clear();
    }

    PressAndSlide("Villain", {600, 300});  // lifted on the next panel
    EXPECT_EQ(Opened(), "");

    Key(kKeyTab);
    Key(kKeyDown);
    Key(kKeyDown);
    ASSERT_EQ(adventure->focusedChild()->name(), "WeaponInfo");
    Key(kKeySpace);
    EXPECT_EQ(Opened(), "ArmyView");
    adventure->onKey(kKeyEsc, true);
    Key(kKeyUp);
    Key(kKeyEnter);
    EXPECT_EQ(Opened(), "ContractInfo");
}

}  // namespace
}  // namespace cv
