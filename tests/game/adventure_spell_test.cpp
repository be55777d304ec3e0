#include <gtest/gtest.h>

#include <tuple>

#include "core/language.h"
#include "game/world/adventure_spells.h"
#include "game/world/bridge_spell.h"
#include "spell_test_rules.h"
#include "test_marker.h"

namespace cv {
namespace {

// A knight with magic (spell power 2, room for 3 spells) on the test island.
class AdventureSpell : public test::KnightOnIsle<> {
protected:
    void SetUp() override {
        KnightOnIsle::SetUp();
        test::LoadTestSpells();
        hero().SetCanUseSpells(true);
        hero().AddSpellPower(2);
        hero().AddMaxSpells(3);
    }
    void TearDown() override { ResetLanguage(); }
    // Casts one spell the hero is given; true when it was used up.
    bool Cast(const std::string& id) {
        hero().spells().Add(id, 1);
        const int before = hero().spells().Count(id);
        const bool used = CastAdventureSpell(*game, id);
        EXPECT_EQ(hero().spells().Count(id), used ? before - 1 : before) << id;
        return used;
    }
    std::vector<bool> OpenDirections() {
        std::vector<bool> open;
        for (const BridgeDirection& direction : kBridgeDirections)
            open.push_back(BridgeDirectionOpen(*game, direction));
        return open;
    }
};

TEST_F(AdventureSpell, BridgeCrossesOnlyWaterThatTakesOne) {
    Location& isle = game->here();
    hero().MoveTo(0, {5, 3});  // water that takes a bridge to the right, then open sea
    EXPECT_EQ(OpenDirections(), (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(Cast("BridgeSpell"));
    ASSERT_EQ(ui.open.front().screen, "BridgeBuilding");
    ui.Answer("Right");
    EXPECT_EQ(std::tuple(isle.TerrainAt({6, 3}), isle.TerrainAt({7, 3})), std::tuple(1, 0));
    EXPECT_EQ(hero().spells().Count("BridgeSpell"), 0);  // one cell is a bridge too

    // Upwards, three cells would take one: two are built, of the vertical piece.
    hero().MoveTo(0, {5, 5});
    for (int y : {6, 7, 8}) isle.SetTerrain({5, y}, 3);
    EXPECT_EQ(OpenDirections(), (std::vector<bool>{false, false, false, true}));
    Cast("BridgeSpell");
    ui.Answer("Cancel");
    EXPECT_EQ(isle.TerrainAt({5, 6}), 3);
    EXPECT_EQ(BuildBridge(*game, "Up"), 2);
    EXPECT_EQ(std::tuple(isle.TerrainAt({5, 6}), isle.TerrainAt({5, 7}), isle.TerrainAt({5, 8})),
              std::tuple(2, 2, 3));
    EXPECT_EQ(hero().spells().Count("BridgeSpell"), 0);

    // Off the map's edge is never offered, whatever lies there.
    Parse(*Root(), "Terrains.0.Bridge = 1");
    LoadTerrainKinds(Root());
    hero().MoveTo(0, {0, 0});
    EXPECT_EQ(OpenDirections(), (std::vector<bool>{false, true, false, true}));
}

TEST_F(AdventureSpell, TimeStopAndRaiseControlScaleWithSpellPower) {
    EXPECT_TRUE(Cast("TimeStopSpell"));
    EXPECT_EQ(game->time().timeStop(), 20);  // 2 x 10
    EXPECT_EQ(ui.notes.back(), "UpdateTimeInfo");
    EXPECT_TRUE(Cast("RaiseControlSpell"));
    EXPECT_EQ(hero().leadershipBonus(), 200);  // 2 x the first rank's 100
}

TEST_F(AdventureSpell, InstantArmyJoinsWhenThereIsRoom) {
    EXPECT_TRUE(Cast("InstantArmySpell"));  // level 0: max spells 3 + 1
    EXPECT_EQ(ui.FrontText(), "A few Militia have joined to your army.");
    EXPECT_EQ(hero().army().ToText(), "Militia:24,Archers:2");
    ui.Answer("OK");
    hero().AddLeadership(-60);  // 28 Militia need 56
    EXPECT_TRUE(Cast("InstantArmySpell"));
    EXPECT_EQ(ui.FrontText(), "Attention! Warriors are out of control:\n - Militia");
    ui.Answer("Continue");
    hero().army().Clear();
    hero().army().Parse("Archers:1,Pikemen:1,Cavalry:1,Knights:1,Peasants:1");
    EXPECT_FALSE(Cast("InstantArmySpell"));
    EXPECT_EQ(ui.FrontText(), "There are no open slots for this army type!");
    // Higher ranks: (2 + 5) / 2 + 1 at level 1, spell power 4 + 1 at level 2.
    for (const auto& [level, size] : {std::pair(1, 4), std::pair(2, 5)}) {
        hero().ApplyLevel(level, 0);
        EXPECT_EQ(InstantArmySize(hero()), size) << level;
    }
}

// The gates' lists open; only the gate chosen there uses the spell up.
TEST_F(AdventureSpell, GatesAreKeptUntilAPlaceIsChosen) {
    for (const auto& [id, screen] :
         {std::pair("CastleGateSpell", "CastleGate"), std::pair("TownGateSpell", "TownGate")}) {
        EXPECT_FALSE(Cast(id));
        EXPECT_EQ(ui.open.front().screen, screen);
        ui.Answer("Cancel");
    }
}

TEST_F(AdventureSpell, TheListOpensOnlyForAHeroWithMagic) {
    OpenAdventureSpells(*game);
    ASSERT_EQ(ui.open.front().screen, "AdventureSpells");
    hero().spells().Add("TimeStopSpell", 1);
    ui.Answer("TimeStopSpell");
    EXPECT_EQ(game->time().timeStop(), 20);

    // Velmire at (19, 7): the text's 11 becomes 19, and its 19 stays the y.
    folder.Write("English.lng.txt", test::Utf16File(u"[You cant cast spells]\nSee 11,19.\n"));
    LoadLanguage("English.lng.txt");
    hero().SetCanUseSpells(false);
    for (const auto& [teacher, text] :
         {std::pair(false, "See 11,19."), std::pair(true, "See 19,7.")}) {
        if (teacher) game->world().Get(0)->AddObject(test::MakeMarker("Velmire", {19, 7}, true));
        OpenAdventureSpells(*game);
        EXPECT_EQ(ui.FrontText(), text);
        EXPECT_EQ(std::pair(ui.open.front().message.picture, ui.open.front().message.buttons),
                  std::pair(std::string("Img\\Army\\Gnomes.Layer 4"), std::string("Continue")));
        ui.Answer("Continue");
    }
}

}  // namespace
}  // namespace cv
