#include <gtest/gtest.h>

#include <tuple>

#include "battle_fixture.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

using test::kDelay;

// The knight casts with spell power 2.
class BattleSpell : public test::BattleFlow {
protected:
    void SetUp() override {
        BattleFlow::SetUp();
        test::LoadTestSpells();
        hero->AddSpellPower(2);
    }
    // Arms the spell from the list as the screen does.
    void Arm(const std::string& id) {
        hero->spells().Add(id, 1);
        input->OpenSpellList();
        ASSERT_EQ(ui.open.size(), 1u);
        ASSERT_EQ(ui.open.front().screen, "CombatSpells");
        ui.Answer(id);
    }
    void NextRound() {
        const int round = battle->round();
        for (int i = 0; i < 1000 && battle->round() == round && !battle->finished(); ++i) {
            battle->EndHeroTurn();
            battle->Tick();
        }
        ASSERT_EQ(battle->round(), round + 1);
    }
    int Owned(const std::string& id) const { return hero->spells().Count(id); }
};

// Damage is spell power x value against the carried wound, and the last kill
// ends the battle at once.
TEST_F(BattleSpell, OneDamageSpellARound) {
    Fight("Militia:5", "Peasants:30,Knights:1");
    Arm("FireballSpell");
    EXPECT_EQ(std::pair(input->mode(), LastMessage()),
              std::pair(BattleInput::Mode::kSpell, std::string("Select enemy army to Fireball")));
    EXPECT_EQ(input->CursorAt(CellOf(Mine(0))), BattleCursor::kSpell);
    EXPECT_EQ(input->CursorAt(CellOf(Theirs(0))), BattleCursor::kSelOk);
    input->Release(CellOf(Theirs(0)));
    EXPECT_EQ(LastMessage(), "Fireball kill 30 Peasants");  // 2 x 25, one hit point each
    EXPECT_EQ(std::tuple(battle->counters().enemiesKilled, battle->counters().spoils,
                         Owned("FireballSpell"), input->mode()),
              std::tuple(30, 150, 0, BattleInput::Mode::kNone));
    Ticks(kDelay);
    input->OpenSpellList();
    EXPECT_EQ(std::pair(ui.FrontText(), ui.open.front().message.buttons),
              std::pair(std::string("Only 1 spell per round"), std::string("OK")));
    ui.Answer("OK");
    hero->spells().Add("LightningSpell", 1);
    EXPECT_FALSE(input->ArmSpell("LightningSpell"));
    for (const char* message : {"Lightning kill 0 Knights", "Lightning kill 1 Knights"}) {
        NextRound();
        Arm("LightningSpell");
        input->Release(CellOf(Theirs(0)));
        EXPECT_EQ(LastMessage(), message);  // 20, then 40 of 35
    }
    EXPECT_EQ(ui.FrontText().rfind("Victory!", 0), 0u);
    ui.Answer("Continue");
    EXPECT_EQ(outcome, BattleOutcome::kVictory);
}

TEST_F(BattleSpell, TargetChecksRefuseWithTheirMessages) {
    Fight("Militia:5", "Peasants:3");
    Arm("TurnUndeadSpell");
    EXPECT_EQ(LastMessage(), "No undead armies");
    EXPECT_EQ(input->mode(), BattleInput::Mode::kNone);
    EXPECT_FALSE(input->ArmSpell("FreezeSpell"));  // none owned

    Fight("Militia:5", "Peasants:3,Dragons:1,Ghosts:20");
    Arm("FireballSpell");
    EXPECT_EQ(input->CursorAt(CellOf(Theirs(1))), BattleCursor::kSpell);
    input->Release(CellOf(Theirs(1)));
    EXPECT_EQ(LastMessage(), "This spell seems to have no effect!");
    input->Release(CellOf(Mine(0)));  // no target: nothing said, nothing spent
    EXPECT_EQ(std::tuple(LastMessage(), Owned("FireballSpell"), input->mode()),
              std::tuple("This spell seems to have no effect!", 1, BattleInput::Mode::kSpell));
    input->Cancel();
    EXPECT_EQ(input->mode(), BattleInput::Mode::kNone);

    Arm("TurnUndeadSpell");
    EXPECT_EQ(LastMessage(), "Select enemy undead army");
    input->Release(CellOf(Theirs(0)));
    EXPECT_EQ(LastMessage(), "It is no undead army");
    input->Release(CellOf(Theirs(2)));
    EXPECT_EQ(LastMessage(), "TurnUndead kill 10 Ghosts");  // 2 x 50 over 10 hit points
    EXPECT_EQ(Owned("TurnUndeadSpell"), 1);                 // of the two armed, one refused at once
}

// The squad, then where it goes; only the move spends the round's spell. The
// key cursor starts on the active squad.
TEST_F(BattleSpell, TeleportTakesASquadThenAFreeCell) {
    Fight("Militia:5,Pikemen:3", "Peasants:3");
    battle->field().Set({1, 1}, 1);
    Arm("TeleportSpell");
    EXPECT_EQ(LastMessage(), "Select army to Teleport");
    input->Release(CellOf(Theirs(0)));
    EXPECT_EQ(LastMessage(), "Select new location");
    EXPECT_FALSE(battle->spellCast());
    EXPECT_EQ(input->CursorAt({1, 1}), BattleCursor::kSpell);  // a rock
    input->Direction(1);                                       // (0, +1): the Pikemen
    input->Confirm();
    EXPECT_EQ(input->mode(), BattleInput::Mode::kSpell);
    input->Direction(4);  // (+1, 0): the rock
    input->Confirm();
    input->Direction(4);
    input->Confirm();
    EXPECT_EQ(std::tuple(CellOf(Theirs(0)), LastMessage(), battle->spellCast()),
              std::tuple(Cell{2, 1}, "Peasants teleported", true));
}

TEST_F(BattleSpell, CloneAndResurrectGrowOwnSquads) {
    Fight("Militia:5,Knights:2", "Peasants:3");
    Arm("CloneSpell");
    EXPECT_EQ(LastMessage(), "Select your army to Clone");
    input->Release(CellOf(Theirs(0)));  // not his own: ignored
    input->Release(CellOf(Mine(0)));
    EXPECT_EQ(LastMessage(), "10 Militia cloned");  // 2 x 10 over 2 hit points
    EXPECT_EQ(std::pair(Mine(0)->count(), battle->StateOf(*Mine(0)).startingCount),
              std::pair(15, 15));
    NextRound();
    Arm("CloneSpell");
    input->Release(CellOf(Mine(1)));
    EXPECT_EQ(std::tuple(LastMessage(), Mine(1)->count(), Owned("CloneSpell")),
              std::tuple("0 Knights cloned", 2, 0));

    // Three Militia fell; each resurrection brings back up to two, never
    // more than the fifteen it began with.
    Mine(0)->SetCount(12);
    battle->strikes().RecordKills(3, *Mine(0));
    for (const auto& [count, message] :
         {std::pair(14, "2 Militia resurrected"), std::pair(15, "1 Militia resurrected"),
          std::pair(15, "0 Militia resurrected")}) {
        NextRound();
        Arm("ResurrectSpell");
        input->Release(CellOf(Mine(0)));
        EXPECT_EQ(std::pair(Mine(0)->count(), LastMessage()),
                  std::pair(count, std::string(message)));
        EXPECT_EQ(hero->followersKilled(), 15 - count);
        EXPECT_EQ(battle->counters().followersKilled, 15 - count);
    }
}

TEST_F(BattleSpell, FreezeCostsTheSquadItsNextTurnOnly) {
    Fight("Militia:5", "Cavalry:3");
    Arm("FreezeSpell");
    input->Release(CellOf(Theirs(0)));
    EXPECT_EQ(LastMessage(), "Cavalry are frozen");
    EXPECT_TRUE(battle->StateOf(*Theirs(0)).frozen);
    Ticks(kDelay);
    NextRound();
    EXPECT_EQ(CellOf(Theirs(0)), (Cell{5, 0}));  // it never moved
    EXPECT_FALSE(battle->StateOf(*Theirs(0)).frozen);
}

}  // namespace
}  // namespace cv
