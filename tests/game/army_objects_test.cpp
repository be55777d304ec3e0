#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "game/world/army_objects.h"
#include "game/world/running_game.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

// Screens that keep the battle they are asked for.
class BattleUi : public test::FakeUi {
public:
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override {
        battles.push_back({std::move(enemy), std::move(then)});
    }
    std::vector<std::pair<Ref<Army>, std::function<void(BattleOutcome)>>> battles;
};

class ArmyObjects : public test::KnightOnIsle<BattleUi> {
protected:
    template <class Type>
    Ref<Type> Put(Cell cell, const std::string& army) {
        auto object = MakeRef<Type>();
        object->SetCell(cell);
        object->army()->Parse(army);
        game->here().AddObject(object);
        return object;
    }
    // Where the enemy stands after the hero moved to `hero`.
    std::pair<Cell, Enemy::Pursuit> Chase(Enemy& enemy, Cell hero) {
        game->PlaceHero(0, hero);
        enemy.OnStep(*game);
        return {enemy.cell(), enemy.pursuit()};
    }
};

// The Isle (rows y = 5 down to 2, '#' rock, ':' slow, '~' '=' water; stops
// at (5, 5), (5, 4) and (4, 5)):
//   "......~~"
//   ".:::..~~"
//   "..##..=~"
//   "......~~"
TEST_F(ArmyObjects, AnEnemyNoticesChasesAndConfrontsTheHero) {
    using P = Enemy::Pursuit;
    Ref<Enemy> enemy = Put<Enemy>({5, 2}, "Pikemen:5");
    platform::Srand(5006);  // r = 16386: rand_n(2) = 1, the second of two equals
    const std::tuple<Cell, Cell, P> steps[] = {
        {{2, 2}, {5, 2}, P::kIdle},     // three cells away
        {{3, 2}, {5, 2}, P::kAlerted},  // two: noticed, not moving yet
        {{2, 2}, {4, 2}, P::kAlerted},  // (4, 3) and (4, 2) are both nearest
        {{1, 2}, {3, 2}, P::kAlerted},  // three away, still chasing
        {{0, 5}, {2, 2}, P::kAlerted},  // round the rocks
    };
    for (const auto& [hero, at, pursuit] : steps) {
        EXPECT_EQ(Chase(*enemy, hero), std::pair(at, pursuit)) << hero.x << "," << hero.y;
    }
    // Reaching the hero: first the report, declined; a flying hero is out of
    // reach, time stop freezes it, and then it attacks without asking.
    EXPECT_EQ(Chase(*enemy, {1, 3}), std::pair(Cell{2, 2}, P::kConfronted));
    EXPECT_EQ(ui.open.front().message.buttons, "Attack,Cancel");
    EXPECT_EQ(ui.FrontText(), "Your scouts have sighted:\n - A few Pikemen\n");
    ui.Answer("Cancel");
    game->hero().SetTravelMode(TravelMode::kFly);
    Chase(*enemy, {1, 3});
    game->hero().SetTravelMode(TravelMode::kLand);
    game->time().AddTimeStop(1);
    Chase(*enemy, {1, 3});
    EXPECT_TRUE(ui.open.empty() && ui.battles.empty());
    game->time().Step(false);  // the time stop runs out
    Chase(*enemy, {1, 3});
    ASSERT_EQ(ui.battles.size(), 1u);
    EXPECT_EQ(ui.battles[0].first, enemy->army());
    EXPECT_EQ(Chase(*enemy, {6, 5}), std::pair(Cell{2, 2}, P::kIdle));  // four away
}

TEST_F(ArmyObjects, StopsAreNeverSteppedOn) {
    Ref<Enemy> enemy = Put<Enemy>({4, 3}, "Pikemen:5");
    Chase(*enemy, {6, 4});
    // Of the neighbours (5, 4) is a stop; (5, 3) is as near, and seed 1
    // would take the stop (rand_n(2) = 0).
    platform::Srand(1);
    EXPECT_EQ(Chase(*enemy, {6, 4}).first, (Cell{5, 3}));
}

TEST_F(ArmyObjects, ABeatenEnemyLeavesTheMapAndALostBattleDisgraces) {
    Ref<Enemy> beaten = Put<Enemy>({5, 2}, "Pikemen:5");
    Ref<Enemy> winner = Put<Enemy>({0, 5}, "Knights:5");
    beaten->Visit(*game);
    ui.Answer("Attack");
    ASSERT_EQ(ui.battles.size(), 1u);
    beaten->army()->At(0)->SetCount(0);  // the battle's losses
    ui.battles[0].second(BattleOutcome::kVictory);
    EXPECT_TRUE(ui.open.empty());
    game->here().OnScreenOpen(*game);
    EXPECT_EQ(game->here().objects().size(), 1u);
    EXPECT_EQ(game->here().objects()[0], Ref<MapObj>(winner));
    winner->Visit(*game);
    ui.Answer("Attack");
    ui.battles[1].second(BattleOutcome::kDefeat);
    EXPECT_EQ(ui.FrontText(), "Disgraced");
    EXPECT_EQ(game->hero().army().ToText(), "Peasants:20");
}

TEST_F(ArmyObjects, ABandJoinsOrFleesAndIsGoneEitherWay) {
    const std::tuple<const char*, const char*, const char*, std::string, std::string> cases[] = {
        {"Militia:20,Archers:2", "Archers:7", "Accept", "\nA few Archers wish to join you.",
         "Militia:20,Archers:9"},
        {"Militia:20,Archers:2", "Archers:7", "Cancel", "\nA few Archers wish to join you.",
         "Militia:20,Archers:2"},
        {"Militia:1,Archers:2,Pikemen:3,Cavalry:4,Ghosts:5", "Archers:7", "Accept",
         "\nA few Archers wish to join you.", "Militia:1,Archers:9,Pikemen:3,Cavalry:4,Ghosts:5"},
        {"Militia:1,Archers:2,Pikemen:3,Cavalry:4,Ghosts:5", "Knights:12", "OK",
         "Some Knights flee in terror at sight your vast army.",
         "Militia:1,Archers:2,Pikemen:3,Cavalry:4,Ghosts:5"},
    };
    for (const auto& [army, band, answer, text, after] : cases) {
        game->hero().army().Clear();
        game->hero().army().Parse(army);
        Ref<Join> join = Put<Join>({4, 2}, band);
        EXPECT_TRUE(join->Visit(*game));
        EXPECT_TRUE(game->here().objects().empty());
        EXPECT_EQ(ui.FrontText(), text);
        EXPECT_EQ(ui.open.front().message.picture, "Img\\Army\\Armies.Layer 1");
        ui.Answer(answer);
        EXPECT_EQ(game->hero().army().ToText(), after) << band << " " << answer;
    }
}

}  // namespace
}  // namespace cv
