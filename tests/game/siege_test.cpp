// Laying siege to a castle: the question at its gate, the battle behind its
// walls, and what winning or losing it does to the castle and its villain.
#include <gtest/gtest.h>

#include <tuple>

#include "battle_fixture.h"
#include "castle_fixture.h"
#include "game/combat/combat_sys.h"
#include "game/combat/siege_battle.h"
#include "game/world/castle_rulers.h"

namespace cv {
namespace {

using Sieges = test::CastlesOnIsle;

TEST_F(Sieges, TheGateAsksForASiegeThatNeedsSiegeWeapons) {
    struct Case {
        const char* castle;
        const char* question;
        const char* picture;
    };
    for (const Case& c :
         {Case{"Redwall",
               "Castle Redwall\nVarious groups of monsters occupy this castle. Lay Siege?",
               "Img\\Army\\Armies.Layer 1"},
          Case{"Dun", "Castle Dun\nVillain1 and army occupy this castle. Lay Siege?",
               "Img\\Villains\\1.0"}}) {
        Castle& castle = Named(c.castle);
        auto ask = [&] {
            EXPECT_TRUE(castle.Visit(*game));
            EXPECT_EQ(ui.FrontText(), c.question);
            EXPECT_EQ(ui.open.front().message.picture, c.picture);
            EXPECT_EQ(ui.open.front().message.buttons, "Yes,No");
        };
        ask();
        EXPECT_EQ(castle.flags(), Castle::kVisited | Castle::kRulerKnown);
        ui.Answer("No");
        EXPECT_TRUE(ui.open.empty());
        ask();
        hero().SetSiegeWeapons(false);
        ui.Answer("Yes");
        ASSERT_EQ(ui.open.size(), 1u);
        EXPECT_EQ(std::tuple(ui.FrontText(), ui.open.front().message.picture,
                             ui.open.front().message.buttons),
                  std::tuple(std::string("You need siege weapons"), std::string("Img\\UI\\Weapon1"),
                             std::string("Continue")));
        ui.Answer("Continue");
        EXPECT_TRUE(ui.sieges.empty());
        ask();
        hero().SetSiegeWeapons(true);
        ui.Answer("Yes");
        ASSERT_EQ(ui.sieges.size(), 1u) << c.castle;
        EXPECT_EQ(ui.sieges.front().garrison, castle.garrison());
        ui.sieges.clear();
    }
    EXPECT_TRUE(villain().seen());

    Castle& redwall = Named("Redwall");
    redwall.SetRuler(MakeHeroRuler(redwall));
    EXPECT_TRUE(redwall.Visit(*game));
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(std::tuple(ui.open.front().screen, ui.open.front().subject.get()),
              std::tuple(std::string("CastleMain"), static_cast<RefCounted*>(&redwall)));
}

TEST_F(Sieges, WinningTakesTheCastleAndCatchesOnlyTheContractedVillain) {
    struct Case {
        const char* castle;
        int contract;
        const char* victory;
        const char* garrison;  // after the capture
        int gold;              // gained
    };
    const Case cases[] = {
        {"Redwall", -1, "Victory!", "Knights:6", 0},
        {"Dun", -1, "Victory! and the capture of Villain1\nYou did not have the proper contract",
         "Militia:30", 0},
        {"Dun", 1,
         "Victory! and the capture of Villain1\nYou receive 1500 gold as bounty\n"
         "...and a piece of map to the stolen scepter",
         "none", 1500},
    };
    for (const Case& c : cases) {
        SetUp();
        Castle& castle = Named(c.castle);
        hero().SetCurrentContract(c.contract);
        hero().SetSiegeWeapons(true);
        const int gold = hero().gold();
        castle.Visit(*game);
        ui.Answer("Yes");
        ASSERT_EQ(ui.sieges.size(), 1u);
        const test::FakeUi::Siege siege = ui.sieges.front();
        ui.sieges.clear();
        EXPECT_EQ(Utf16ToUtf8(siege.victoryText(u"Victory!")), c.victory);
        siege.then(BattleOutcome::kVictory);
        EXPECT_STREQ(castle.ruler()->TypeId(), "My") << c.victory;
        EXPECT_EQ(castle.garrison() ? castle.garrison()->ToText() : "none", c.garrison);
        EXPECT_EQ(std::tuple(hero().castlesGarrisoned(), hero().gold() - gold),
                  std::tuple(1, c.gold));
    }
    EXPECT_EQ(std::tuple(hero().currentContract(), villain().IsCaught(), villain().castle()),
              std::tuple(-1, true, std::string()));
}

TEST_F(Sieges, BeatenWithoutTheContractTheVillainFleesAndLosingDisgracesTheHero) {
    Castle& dun = Named("Dun");
    hero().SetSiegeWeapons(true);
    dun.Visit(*game);
    ui.Answer("Yes");
    ui.sieges.front().then(BattleOutcome::kVictory);
    EXPECT_NE(game->here().FindCastle(villain().castle()), nullptr) << "fled to the isle";
    EXPECT_FALSE(villain().seen());

    Castle& other = Named(villain().castle() == "Redwall" ? "Ashkeep" : "Redwall");
    const Ref<CastleRuler> ruler = other.ruler();
    other.Visit(*game);
    ui.Answer("Yes");
    ui.sieges.back().then(BattleOutcome::kDefeat);
    EXPECT_EQ(other.ruler(), ruler);
    EXPECT_EQ(std::tuple(hero().army().ToText(), ui.FrontText(), hero().castlesGarrisoned()),
              std::tuple(std::string("Peasants:20"), std::string("Disgraced"), 1));
}

// Walls at row 2 with the gate open at columns 2 and 3; an item with only
// "CX", or with "CX" as text, stands nowhere.
constexpr const char* kWalls = R"(TacticsMap {
  0 { Img = g Free = 1 } 1 { Img = r } 3 { Img = w CX = 0 CY = 2 } 4 { Img = w CX = 1 CY = 2 }
  5 { Img = w CX = 4 CY = 2 } 6 { Img = w CX = 5 CY = 2 } 7 { Img = w CX = 3 }
  8 { Img = w CX = "3" CY = 3 }
})";

class SiegeField : public test::WithKnight {
protected:
    void SetUp() override {
        WithKnight::SetUp();
        Parse(*Root(), kWalls);
        CombatParams().Load(Root());
    }
    SiegeBattle& Fight(const std::string& heroArmy, const std::string& garrisonArmy) {
        hero->army().Clear();
        hero->army().Parse(heroArmy);
        auto garrison = MakeRef<Army>();
        if (!garrisonArmy.empty()) garrison->Parse(garrisonArmy);
        battle.emplace(
            *hero, garrison, "Peasants", CombatParams(), view,
            [this](BattleOutcome result) { outcome = result; },
            [](std::u16string text) { return text + u" and the castle"; });
        battle->field().Set({0, 0}, 1);
        battle->Start();
        return *battle;
    }
    std::string Rows() const {
        std::string rows;
        for (int y = 0; y < Battlefield::kHeight; ++y) {
            for (int x = 0; x < Battlefield::kWidth; ++x) {
                rows += static_cast<char>('0' + battle->field().At({x, y}));
            }
            rows += y + 1 < Battlefield::kHeight ? " " : "";
        }
        return rows;
    }
    std::string Cells(int side) {
        std::string cells;
        for (const Ref<Squad>& squad : battle->SquadsOf(side)) {
            const Cell cell = battle->StateOf(*squad).cell;
            cells += std::to_string(cell.x) + std::to_string(cell.y) + " ";
        }
        return cells;
    }

    test::RecordingView view;
    std::optional<SiegeBattle> battle;
    std::optional<BattleOutcome> outcome;
};

TEST_F(SiegeField, WallsAndFixedCellsInsteadOfRandomRocks) {
    Fight("Peasants:1,Militia:1,Archers:1", "Peasants:1,Militia:1,Archers:1,Pikemen:1,Cavalry:1");
    EXPECT_EQ(Rows(), "000000 000000 340056 000000 000000");
    EXPECT_EQ(Cells(Battle::kHeroSide), "24 34 33 ");
    EXPECT_EQ(Cells(Battle::kEnemySide), "20 30 10 40 21 ");
    Fight("Peasants:1,Militia:1,Archers:1,Pikemen:1,Cavalry:1", "Knights:1");
    EXPECT_EQ(Cells(Battle::kHeroSide), "24 34 33 23 13 ");
    EXPECT_EQ(Cells(Battle::kEnemySide), "20 ");
}

TEST_F(SiegeField, TheCastleWordsTheVictoryLine) {
    Fight("Militia:5", "").EndHeroTurn();
    EXPECT_EQ(ui.FrontText(),
              "Victory! Arthur the Squire spolis of war: 0 and the castle\nFollowers killed: "
              "0\nEnemies killed: 0");
    ui.Answer("Continue");
    EXPECT_EQ(outcome, BattleOutcome::kVictory);
}

}  // namespace
}  // namespace cv
