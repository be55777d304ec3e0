#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "battle_fixture.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

using test::BattleFlow;
using test::kDelay;

TEST_F(BattleFlow, SetUpPlacesBothSidesAndShowsTheStatus) {
    hero->AddLeadership(-50);  // 50: more than 10 Archers at 5 each are out of control
    Fight("Militia:5,Archers:20,Ghosts:2", "Peasants:3,Knights:1");
    EXPECT_EQ(CellOf(Mine(1)), (Cell{0, 1}));
    EXPECT_EQ(CellOf(Theirs(1)), (Cell{5, 1}));
    EXPECT_EQ(battle->StateOf(*Mine(1)).shotsLeft, 12);
    EXPECT_EQ(battle->round(), 1);
    EXPECT_EQ(view.status, "Militia, MV: 2");
    battle->Select(Mine(2));
    EXPECT_EQ(view.status, "Ghosts, Fly");
    battle->Select(Mine(1));
    EXPECT_EQ(view.status, "Archers are out of control!");
    EXPECT_FALSE(battle->PlayerMayAct());
    hero->AddLeadership(100);
    battle->Select(Mine(1));
    EXPECT_EQ(view.status, "Archers, MV: 2, Shoots: 12");
}

TEST_F(BattleFlow, EmptyEnemyIsAVictoryAtTheFirstEndCheck) {
    Fight("Militia:5", "");
    input->ActionKey();
    EXPECT_EQ(LastMessage(), "Skip Militia");
    Ticks(kDelay - 1);
    EXPECT_TRUE(ui.open.empty());
    battle->Tick();
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(
        ui.FrontText(),
        "Victory! Arthur the Squire spolis of war: 0\nFollowers killed: 0\nEnemies killed: 0");
    EXPECT_FALSE(outcome);
    ui.Answer("Continue");
    EXPECT_EQ(outcome, BattleOutcome::kVictory);
}

TEST_F(BattleFlow, StrikeRetaliationAndVictorySpoils) {
    Fight("Militia:1,Dragons:50", "Knights:10");
    battle->Select(Mine(1));
    CellOf(Mine(1)) = {4, 0};
    EXPECT_EQ(input->CursorAt({5, 0}), BattleCursor::kStrike);
    EXPECT_EQ(input->CursorAt({0, 0}), BattleCursor::kSelOk);
    input->Release({5, 0});
    EXPECT_EQ(LastMessage(), "Dragons vs Knights killed 10");
    EXPECT_TRUE(battle->actionPending());
    EXPECT_EQ(input->CursorAt({0, 0}), BattleCursor::kNone);  // no input while it runs
    Ticks(kDelay);
    // The Knights, wiped out, still strike back with the ten they had.
    EXPECT_EQ(LastMessage().rfind("Knights retaliate killing ", 0), 0u);
    Ticks(kDelay);
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(ui.FrontText(),
              "Victory! Arthur the Squire spolis of war: 1,000\nFollowers killed: 0\n"
              "Enemies killed: 10");
    EXPECT_EQ(ui.open.front().message.picture, "Img\\Army\\Dragons.Layer 1");
    EXPECT_EQ(ui.open.front().message.buttons, "Continue");
    EXPECT_EQ(hero->gold(), 7500 + 1000);
}

TEST_F(BattleFlow, OutOfControlSquadsTurnOnTheHeroWhenTheEnemyIsGone) {
    Fight("Dragons:50,Archers:30", "Knights:1");  // 30 Archers need 150 of 100
    CellOf(Mine(0)) = {4, 0};
    input->Direction(4);  // (+1, 0)
    Ticks(2 * kDelay);
    EXPECT_TRUE(ui.open.empty());
    EXPECT_FALSE(battle->finished());
    EXPECT_EQ(hero->army().ToText(), "Dragons:50");
    EXPECT_EQ(enemy->ToText(), "Archers:30");
    EXPECT_EQ(battle->round(), 2);
    EXPECT_EQ(battle->SideOf(*battle->active()), Battle::kHeroSide);
}

TEST_F(BattleFlow, AWaitingSquadIsSkippedButKeepsItsMovesWhenSelected) {
    Fight("Militia:5,Pikemen:5,Peasants:5", "Peasants:1");
    input->ActionKey();
    Ticks(kDelay);
    EXPECT_EQ(battle->active(), Mine(1));
    EXPECT_EQ(input->CursorAt(CellOf(Mine(1))), BattleCursor::kStop);
    EXPECT_EQ(input->CursorAt(CellOf(Mine(0))), BattleCursor::kSelOk);
    input->Release(CellOf(Mine(0)));
    EXPECT_EQ(battle->active(), Mine(0));
    EXPECT_EQ(view.status, "Militia, MV: 2");
    input->Direction(4);
    Ticks(kDelay);
    EXPECT_EQ(CellOf(Mine(0)), (Cell{1, 0}));
    EXPECT_EQ(battle->active(), Mine(0));  // one move left: still its turn
    input->ActionKey();
    Ticks(kDelay);
    EXPECT_EQ(battle->active(), Mine(1));
    input->NextSquad();
    EXPECT_EQ(battle->active(), Mine(2));
    input->ActionKey();
    Ticks(kDelay);
    EXPECT_EQ(battle->active(), Mine(1));
    input->ActionKey();
    Ticks(kDelay);
    // The walk comes back round: Militia's move is kept, yet the enemy plays.
    EXPECT_EQ(battle->sideToAct(), Battle::kEnemySide);
    EXPECT_EQ(battle->StateOf(*Mine(0)).deferredMoves, 1);
}

// The squad to act has left its army: the other side takes over, and neither a
// squad is chosen nor a round begun nor the empty squads cleared.
TEST_F(BattleFlow, PassingOnFromASquadThatLeftItsArmyOnlyHandsOverTheTurn) {
    for (int side : {Battle::kHeroSide, Battle::kEnemySide}) {
        Fight("Militia:5,Pikemen:5,Peasants:4", "Peasants:3,Archers:2,Militia:1");
        if (side == Battle::kEnemySide) battle->EndHeroTurn();
        Army& army = battle->ArmyOf(side);
        const Ref<Squad> gone = battle->active();
        ASSERT_EQ(gone, army.At(0));
        army.RemoveSlot(0);
        const Ref<Squad> emptied = army.At(0);
        emptied->SetCount(0);
        battle->PassOn();
        EXPECT_EQ(std::tuple(battle->sideToAct(), battle->round(), battle->finished()),
                  std::tuple(1 - side, 1, false))
            << side;
        EXPECT_EQ(battle->active(), gone);
        EXPECT_EQ(army.At(0), emptied);
    }
}

TEST_F(BattleFlow, AFlierFliesOncePerRoundAndStillWalks) {
    Fight("Ghosts:5", "Peasants:1");
    const Cell far{3, 4};
    EXPECT_EQ(input->CursorAt(far), BattleCursor::kFly);
    input->Release(far);
    EXPECT_EQ(CellOf(Mine(0)), far);
    Ticks(kDelay);
    EXPECT_EQ(view.status, "Ghosts, MV: 3");
    EXPECT_EQ(input->CursorAt({0, 0}), BattleCursor::kNone);
    input->BeginFly();
    EXPECT_EQ(input->mode(), BattleInput::Mode::kNone);
    input->Direction(6);  // (0, -1)
    Ticks(kDelay);
    EXPECT_EQ(CellOf(Mine(0)), (Cell{3, 3}));
    EXPECT_EQ(battle->StateOf(*Mine(0)).movesLeft, 2);
}

TEST_F(BattleFlow, ShootingRules) {
    Fight("Archers:5,Druids:4", "Peasants:10,Militia:5,Dragons:1");
    CellOf(Theirs(0)) = {1, 1};  // next to the Archers
    EXPECT_EQ(input->CursorAt(CellOf(Theirs(1))), BattleCursor::kShoot);
    input->Release(CellOf(Theirs(1)));
    EXPECT_EQ(LastMessage(), "Can't shoot");
    EXPECT_FALSE(battle->actionPending());
    CellOf(Theirs(0)) = {5, 0};
    CellOf(Theirs(1)) = {4, 4};
    input->BeginShoot();
    EXPECT_EQ(LastMessage(), "Select target");
    for (int i = 0; i < 4; ++i) input->Direction(2);  // (+1, +1) to (4, 4)
    input->Confirm();
    EXPECT_EQ(LastMessage().rfind("Archers vs Militia killed ", 0), 0u);
    EXPECT_EQ(battle->StateOf(*Mine(0)).shotsLeft, 11);
    Ticks(kDelay);
    EXPECT_EQ(battle->active(), Mine(1));
    input->Release(CellOf(Theirs(2)));
    EXPECT_EQ(LastMessage(), "This spell seems to have no effect!");
    EXPECT_EQ(battle->StateOf(*Mine(1)).shotsLeft, 3);
}

TEST_F(BattleFlow, ComputerWalkerApproachesThenStrikes) {
    Fight("Pikemen:5", "Cavalry:3");
    battle->EndHeroTurn();
    EXPECT_EQ(battle->active(), Theirs(0));
    int distance = Distance(CellOf(Theirs(0)), CellOf(Mine(0)));
    while (battle->round() == 1) {
        battle->Tick();
        const int now = Distance(CellOf(Theirs(0)), CellOf(Mine(0)));
        ASSERT_TRUE(now == distance || now == distance - 1);
        distance = now;
    }
    EXPECT_EQ(distance, 1);
    EXPECT_TRUE(view.messages.empty());
    battle->EndHeroTurn();
    Ticks(1 + 2 * kDelay);
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0].rfind("Cavalry vs Pikemen killed ", 0), 0u);
    EXPECT_EQ(view.messages[1].rfind("Pikemen retaliate killing ", 0), 0u);
    // Frozen, the enemy loses its next turn.
    while (battle->round() == 2) battle->Tick();
    battle->StateOf(*Theirs(0)).frozen = true;
    battle->EndHeroTurn();
    while (battle->round() == 3) battle->Tick();
    EXPECT_EQ(LastMessage(), "Cavalry are frozen");
}

TEST_F(BattleFlow, DefeatOnGivingUpOrWithNoArmy) {
    Fight("Militia:5", "Peasants:3");
    battle->GiveUp();
    EXPECT_EQ(ui.FrontText(), "Give up?");
    EXPECT_EQ(ui.open.front().message.buttons, "Yes,No");
    ui.Answer("No");
    EXPECT_FALSE(outcome);
    battle->GiveUp();
    ui.Answer("Yes");
    EXPECT_EQ(outcome, BattleOutcome::kDefeat);
    EXPECT_TRUE(hero->army().IsEmpty());
    outcome.reset();
    Fight("", "Peasants:3");  // nobody to act for: the first tick ends it
    battle->Tick();
    EXPECT_EQ(outcome, BattleOutcome::kDefeat);
}

int UnitsOf(const Army& army) {
    int units = 0;
    for (int slot = 0; slot < Army::kSlots; ++slot)
        units += army.At(slot) ? army.At(slot)->count() : 0;
    return units;
}

// The hero's side hands over at once every time; his Knights, out of control,
// and the enemy play it out.
TEST_F(BattleFlow, SeededBattlesPlayedByTickEndWithConsistentCounters) {
    std::set<BattleOutcome> seen;
    for (const char* enemyText : {"Peasants:40,Archers:8,Vampires:2", "Vampires:3,Trolls:2"}) {
        for (unsigned seed : {1u, 2u}) {
            platform::Srand(seed);
            hero = MakeRef<Hero>();
            hero->Create("Knight", u"Arthur", 0, 1);
            Fight("Knights:3,Archers:6,Pikemen:3,Dragons:1", enemyText, true);
            const int heroUnits = UnitsOf(hero->army());
            const int enemyUnits = UnitsOf(*enemy);
            for (int ticks = 0; !outcome && ticks < 20000; ++ticks) {
                if (!ui.open.empty()) ui.Answer("Continue");
                if (battle->sideToAct() == Battle::kHeroSide) battle->EndHeroTurn();
                battle->Tick();
            }
            ASSERT_TRUE(outcome) << enemyText << seed;
            seen.insert(*outcome);
            const BattleCounters& counters = battle->counters();
            EXPECT_EQ(counters.followersKilled, hero->followersKilled());
            if (*outcome == BattleOutcome::kDefeat) {
                EXPECT_TRUE(hero->army().IsEmpty());
            } else {
                EXPECT_TRUE(enemy->IsEmpty());
                EXPECT_EQ(counters.followersKilled, heroUnits - UnitsOf(hero->army()));
                EXPECT_EQ(hero->gold(), 7500 + counters.spoils);
            }
            // Vampires raise their dead, so the enemy may lose more than it had.
            EXPECT_GE(counters.enemiesKilled, enemyUnits - UnitsOf(*enemy));
            outcome.reset();
        }
    }
    EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
}  // namespace cv
