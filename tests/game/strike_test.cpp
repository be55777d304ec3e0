#include <gtest/gtest.h>

#include <tuple>

#include "core/config_parser.h"
#include "game/combat/strike_resolver.h"
#include "game/model/unit_tables.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

using test::ErrorOf;

struct RecordingView : StrikeView {
    void ShowHalf(const Squad& target) override { halves.push_back(target.kind().id); }
    void PlayStrike(const Squad& target) override { strikes.push_back(target.kind().id); }
    void MarkRedraw() override { ++redraws; }
    std::vector<std::string> halves;
    std::vector<std::string> strikes;
    int redraws = 0;
};

class Strike : public test::WithKnight {
protected:
    void SetUp() override {
        WithKnight::SetUp();
        CombatParams().Load(Root());
    }
    // A battle of the hero's army against `enemyText`, every squad enlisted.
    StrikeResolver& Battle(const std::string& heroText, const std::string& enemyText,
                           const std::string& unitOfWeek = "Militia") {
        hero->army().Clear();
        hero->army().Parse(heroText);
        enemy = MakeRef<Army>();
        enemy->Parse(enemyText);
        battle.emplace(*hero, enemy, unitOfWeek, CombatParams(), &view);
        battle->EnlistArmies();
        return *battle;
    }
    Ref<Squad> Mine(int slot) { return hero->army().At(slot); }
    Ref<Squad> Theirs(int slot) { return enemy->At(slot); }
    // The units left in the squad and the wound it carries.
    std::pair<int, int> Left(const Ref<Squad>& squad) {
        return {squad->count(), battle->StateOf(*squad).wound};
    }

    Ref<Army> enemy;
    RecordingView view;
    std::optional<StrikeResolver> battle;
};

TEST_F(Strike, KnownSeedGivesTheKillsAndWoundWorkedOutByHand) {
    hero->AddLeadership(1000);
    hero->AddArtifact("A1");  // damage x3/2
    StrikeResolver& rules = Battle("Knights:10", "Pikemen:40", "Knights");
    rules.StateOf(*Theirs(0)).wound = 3;
    // Seed 12345: state = 12345 x 214013 + 2531011 = 2644521496, r = (state >> 16) & 0x7FFF
    // = 7584; rand_n(10000) = 7584 x 10000 >> 15 = 2314, so the roll is 0.2314.
    // Skill 1 + 0.2 x (5 - 3) = 1.4; per unit 6 + 4 x 0.2314 = 6.9256;
    // 10 x 6.9256 x 1.4 x 0.5 + 0.5 = 48.979 -> 48.
    // Week of Knights 48 x 5/4 = 60; hero's artifact 60 x 3/2 = 90; Knights
    // among Folk only have High morale: 90 x 3/2 = 135.
    // 135 + wound 3 = 138 over 10 hit points: 13 killed, wound 8.
    platform::Srand(12345);
    EXPECT_EQ(rules.MeleeAttack(Mine(0), Theirs(0)), 13);
    EXPECT_EQ(Left(Theirs(0)), std::make_pair(27, 8));
    EXPECT_EQ(rules.StateOf(*Mine(0)).movesLeft, 0);
    // The Pikemen strike back with the 40 they had. Next state 1255958651,
    // r = 19164, rand_n(10000) = 5848. Skill 1 + 0.2 x (3 - 5) = 0.6; per unit
    // 2 + 2 x 0.5848 = 3.1696; 40 x 3.1696 x 0.6 x 0.5 + 0.5 = 38.535 -> 38;
    // no factor applies (Pikemen: no week, no hero, Norm morale).
    // 38 over 35 hit points: 1 Knight killed, wound 3.
    ASSERT_TRUE(rules.queuedRetaliation());
    EXPECT_EQ(rules.queuedRetaliation()->attackingCount, 40);
    EXPECT_EQ(rules.ResolveRetaliation(), 1);
    EXPECT_EQ(Left(Mine(0)), std::make_pair(9, 3));
    const BattleCounters& counters = rules.counters();
    EXPECT_EQ(std::tuple(counters.enemiesKilled, counters.spoils, counters.followersKilled,
                         hero->followersKilled()),
              std::tuple(13, 13 * 20, 1, 1));
    EXPECT_EQ(view.strikes, (std::vector<std::string>{"Pikemen", "Knights"}));
}

TEST_F(Strike, SkillGapsBeyondFiveLevelsDoNothingAndKillsStopAtTheCount) {
    // Peasants at skill -4 against Knights: a gap of nine gives damage below
    // zero, taken as none; the carried wound stays as it was.
    Parse(*Root(), "Army.Units.Peasants.SL = -4");
    Units().Load(Root());
    StrikeResolver& rules = Battle("Knights:2", "Peasants:500");
    rules.StateOf(*Mine(0)).wound = 34;
    rules.ResolveStrike({Theirs(0), 500, Mine(0)}, false, false);
    EXPECT_EQ(Left(Mine(0)), std::make_pair(2, 34));
    EXPECT_EQ(rules.KillCount(1, 35, *Mine(0)), 1);  // the wound plus one kills
    EXPECT_EQ(rules.StateOf(*Mine(0)).wound, 0);
    EXPECT_EQ(rules.KillCount(20, 35, *Mine(0)), 0);    // raises the wound only
    EXPECT_EQ(rules.KillCount(1000, 35, *Mine(0)), 2);  // never more than the count
    EXPECT_EQ(rules.StateOf(*Mine(0)).wound, (20 + 1000) % 35);
    EXPECT_EQ(rules.KillCount(7, 0, *Theirs(0)), 7);  // no hit points: guarded, not divided
}

TEST_F(Strike, HalfGhostAndHitPointFactors) {
    CombatParams().halfFrequency = 1;
    hero->AddLeadership(100000);
    hero->AddArtifact("A2");  // hit points x2 for the hero's squads in control
    StrikeResolver& rules = Battle("Militia:41,Pikemen:1", "Demons:1,Ghosts:10");
    // Seed 1: the first value (41) decides "Half": rand_n(1) = 0, so 20 of the
    // 41 Militia die at once. The roll comes from the second value, 18467:
    // rand_n(10000) = 5635. Skill 1 + 0.2 x (5 - 2) = 1.6; per unit
    // 5 + 2 x 0.5635 = 6.127; 1 x 6.127 x 1.6 x 0.5 + 0.5 = 5.40 -> 5; Norm
    // morale. Militia have 2 x 2 = 4 hit points: 1 more dies, wound 1.
    platform::Srand(1);
    EXPECT_EQ(rules.ResolveStrike({Theirs(0), 1, Mine(0)}, false, false), 21);
    EXPECT_EQ(Left(Mine(0)), std::make_pair(20, 1));
    EXPECT_EQ(hero->followersKilled(), 21);
    // A target of one unit loses none to "Half".
    rules.ResolveStrike({Theirs(0), 1, Mine(1)}, false, false);
    EXPECT_EQ(Mine(1)->count(), 1);
    EXPECT_EQ(view.halves, (std::vector<std::string>{"Militia", "Pikemen"}));
    // Ghosts take in what they kill, beyond their starting count.
    int killed = rules.ResolveStrike({Theirs(1), 10, Mine(0)}, false, false);
    EXPECT_GT(killed, 0);
    EXPECT_EQ(Theirs(1)->count(), 10 + killed);
    EXPECT_EQ(rules.StateOf(*Theirs(1)).startingCount, 10);
}

TEST_F(Strike, VampiresRiseFromTheDamageTheyDealUpToTheirStartingCount) {
    StrikeResolver& rules = Battle("Peasants:100", "Vampires:8");
    Theirs(0)->SetCount(5);
    // Seed 12345: roll 0.2314. Skill 1 + 0.2 x (4 - 1) = 1.6; per unit
    // 3 + 3 x 0.2314 = 3.6942; 5 x 3.6942 x 1.6 x 0.5 + 0.5 = 15.277 -> 15.
    // Five vampires need 150 leadership, more than the hero's 100: out of
    // control, so no morale factor although they like their company. 15
    // Peasants die. The 15 heal them: e = 15, u = 4 x 30 = 120: one rises,
    // wound 120 - 15 = 105.
    platform::Srand(12345);
    EXPECT_EQ(rules.ResolveStrike({Theirs(0), 5, Mine(0)}, false, false), 15);
    EXPECT_EQ(Left(Theirs(0)), std::make_pair(6, 105));
    EXPECT_EQ(view.redraws, 1);
    // At the starting count nothing more rises and the wound is gone.
    Theirs(0)->SetCount(8);
    rules.StateOf(*Theirs(0)).wound = 0;
    rules.ResolveStrike({Theirs(0), 8, Mine(0)}, false, false);
    EXPECT_EQ(Left(Theirs(0)), std::make_pair(8, 0));
    // A vampire with no skill level or hit points does not divide by zero.
    Parse(*Root(), "Army.Units.Vampires { SL = 0 Hit = 0 }");
    Units().Load(Root());
    Battle("Peasants:100", "Vampires:8");
    Theirs(0)->SetCount(2);
    battle->ResolveStrike({Theirs(0), 2, Mine(0)}, false, false);
    EXPECT_EQ(Left(Theirs(0)), std::make_pair(8, 0));  // a unit needs at least 1 to rise
}

TEST_F(Strike, RetaliationComesOncePerRoundAndNeverAfterShots) {
    hero->AddLeadership(1000);
    StrikeResolver& rules = Battle("Knights:20,Archers:10", "Peasants:3,Trolls:2");
    rules.MeleeAttack(Mine(0), Theirs(0));  // wipes the Peasants out
    EXPECT_EQ(Theirs(0)->count(), 0);
    ASSERT_TRUE(rules.queuedRetaliation());
    EXPECT_EQ(rules.queuedRetaliation()->attackingCount, 3);
    rules.ResolveRetaliation();
    EXPECT_FALSE(rules.queuedRetaliation());  // a retaliation is not answered
    EXPECT_TRUE(rules.StateOf(*Theirs(0)).retaliated);
    rules.MeleeAttack(Mine(1), Theirs(0));
    EXPECT_FALSE(rules.queuedRetaliation());  // already struck back this round
    rules.Shoot(Mine(1), Theirs(1));
    EXPECT_FALSE(rules.queuedRetaliation());
    EXPECT_EQ(rules.StateOf(*Mine(1)).shotsLeft, 11);
    rules.StateOf(*Theirs(1)).wound = 30;
    rules.StateOf(*Mine(1)).wound = 4;
    rules.StartRound();
    EXPECT_EQ(rules.StateOf(*Theirs(1)).wound, 0);  // Trolls regenerate
    EXPECT_EQ(rules.StateOf(*Mine(1)).wound, 4);
    EXPECT_FALSE(rules.StateOf(*Theirs(0)).retaliated);
    EXPECT_EQ(rules.StateOf(*Mine(0)).movesLeft, 1);
    auto stranger = MakeRef<Squad>(Units().UnitById("Dragons"), 1);
    EXPECT_EQ(ErrorOf([&] { rules.StateOf(*stranger); }), "Not found SuqadDef for Dragons");
}

TEST_F(Strike, CombatParametersScaleDamageAndGuardTheirDivisors) {
    const CombatSys& params = CombatParams();
    EXPECT_EQ(params.ApplyMorale(7, Morale::kLow), 3);  // x1/2, truncated
    Parse(*Root(), "CombatSys { VampResurrectMul = 1 VampResurrectDiv = 0 }");
    CombatParams().Load(Root());
    EXPECT_EQ(params.VampireHeal(9), 9);  // a zero divisor counts as 1
    Parse(*Root(), "CombatSys { @ RetailDiv = 1 }");
    EXPECT_EQ(ErrorOf([] { CombatParams().Load(Root()); }),
              "Not found ID <RetailMul> in Combat params system");
}

}  // namespace
}  // namespace cv
