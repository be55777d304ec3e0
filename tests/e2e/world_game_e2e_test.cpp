// A game on the shipped world played by its script and drawn headless, the
// frames kept to look at: the hero opens a chest, is noticed, chased and
// caught by a wandering army, beats it and recruits at a dwelling.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/world/army_objects.h"
#include "game/world/bonus_objects.h"
#include "game/world/dwelling.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kFrames = fs::path(CORVANTH_FRAMES_DIR) / "world";

std::string Shot(const std::string& name) {
    return "tick 1\nshot " + (kFrames / (name + ".png")).string() + "\n";
}

int EnemiesOn(const Location& location) {
    int count = 0;
    for (const auto& object : location.objects())
        count += dynamic_cast<Enemy*>(object.get()) != nullptr;
    return count;
}

void ExpectEachFrameNew(const std::vector<std::string>& names) {
    for (size_t i = 1; i < names.size(); ++i) {
        EXPECT_TRUE(ReadBack(kFrames / (names[i - 1] + ".png")).rgba !=
                    ReadBack(kFrames / (names[i] + ".png")).rgba)
            << names[i] << " looks like " << names[i - 1];
    }
}

// The hero H with the dwelling west of him, the chest east and the army four
// cells east. Taking the chest, he stands on its cell; one more step east and
// the army notices him two cells away; he turns back and it follows; he steps
// east again, next to it, and it catches him. His archers shoot the peasants
// across the field; then he walks back west to the dwelling.
std::string Keys(std::initializer_list<const char*> keys) {
    std::string script;
    for (const char* key : keys) script += std::string("key ") + key + "\ntick 1\n";
    return script;
}

const std::string kTreasure = Shot("start") + Keys({"Right"}) + Shot("chest") + Keys({"Enter"});
const std::string kChase = Keys({"Right"}) + Shot("noticed") + Keys({"Left"}) + Shot("chased") +
                           Keys({"Right"}) + Shot("caught");
const std::string kBattle = "tap 232 321\n" + Shot("battle") + "tap 560 105\n" +
                            Keys({"Right", "Right", "Right", "Right", "Right", "Enter"}) +
                            "tick 6\n" + Shot("victory") + Keys({"Enter"}) + "tick 2\n" +
                            Shot("map");
const std::string kRecruit = Keys({"Left", "Left", "Left"}) + Shot("warriors") + "tap 590 369\n" +
                             Shot("counted") + "tap 320 60\n" + Shot("recruited");

TEST(WorldGame, ATreasureAChaseAWonBattleAndRecruits) {
    fs::create_directories(kFrames);
    FreshGame run(kTreasure + kChase + kBattle + kRecruit + "quit\n");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> game(CurrentGame());
    const Cell hero = OpenGround(*game, 1, 4, 1, 1);
    game->PlaceHero(game->hero().continent(), hero);
    game->hero().army().Clear();
    game->hero().army().Parse("Archers:20");
    game->hero().AddLeadershipBonus(1000);  // archers who obey
    Place<Treasure>(*game, {hero.x + 1, hero.y});
    Place<Enemy>(*game, {hero.x + 4, hero.y})->army()->Parse("Peasants:3");
    Ref<Dwelling> dwelling = Place<Dwelling>(*game, {hero.x - 1, hero.y});
    dwelling->Setup(game->here(), "Militia");
    const int enemies = EnemiesOn(game->here()), stock = dwelling->available();
    run.Play();

    EXPECT_EQ(EnemiesOn(game->here()), enemies - 1) << "the beaten army is still there";
    EXPECT_FALSE(dynamic_cast<Treasure*>(game->here().ObjectAt({hero.x + 1, hero.y}).get()));
    EXPECT_EQ(game->hero().position(), hero);
    EXPECT_EQ(game->hero().army().TotalOf("Archers"), 20);
    EXPECT_GT(game->hero().army().TotalOf("Militia"), 0);
    EXPECT_EQ(dwelling->available(), stock - game->hero().army().TotalOf("Militia"));
    ExpectEachFrameNew({"start", "chest", "noticed", "chased", "caught", "battle", "victory", "map",
                        "warriors", "counted", "recruited"});
}

}  // namespace
}  // namespace cv::e2e
