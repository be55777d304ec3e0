// A battle on the real game folder, drawn headless by the game itself and kept
// as frames to look at: the field with a frozen and a halved squad, the
// shot's target under the keys' cursor, the victory box and the map again.
// Until wandering armies start battles on the map, the test starts it the
// way they will, through the game's screens.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/key_codes.h"
#include "game/model/game_ui.h"
#include "game_run.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/game_application.h"
#include "screens/game_data_init.h"
#include "screens/game_session.h"
#include "screens/new_game.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kFrames = fs::path(CORVANTH_FRAMES_DIR) / "battle";

bool Differ(const Png& a, const Png& b) {
    return a.rgba != b.rgba;
}

TEST(BattleFrames, ABattleIsDrawnFromStartToVictoryAndTheMapComesBack) {
    TempDir dir;
    CopyGameFolder(dir);
    fs::create_directories(kFrames);
    const auto shot = [](const char* name) { return "shot " + (kFrames / name).string() + "\n"; };
    // The archers stand in the second row; the peasants in the first, far right.
    dir.Write("battle.txt", "tick 1\n" + shot("start.png") + "tap 560 74\n" + shot("spells.png") +
                                "key Esc\ntap 560 105\nkey Right\nkey Right\n" +
                                "key Right\nkey Right\nkey PgDown\n" + shot("aim.png") +
                                "key Enter\ntick 6\n" + shot("victory.png") +
                                "key Enter\ntick 2\n" + shot("map.png") + "quit\n");
    platform::SetFixedSeed(11);
    platform::HeadlessPlatform host((dir / "battle.txt").string(), VirtualKeyOfKeyName);
    platform::SetCurrent(&host);
    GameApplication app((dir / "Corvanth").string());
    ASSERT_TRUE(app.Init());
    TheNewGameChoices() = NewGameChoices{u"Arthur", "Knight", 0, 1};
    StartNewGame(PackagedRules());
    app.SetScreen(&AdventureScreen());
    CurrentGame()->hero().army().Clear();
    CurrentGame()->hero().army().Parse("Knights:5,Archers:20,Dragons:1");
    CurrentGame()->hero().AddLeadershipBonus(100000);  // a hero they all obey
    Ref<Army> enemy = MakeRef<Army>();
    enemy->Parse("Peasants:3");
    std::optional<BattleOutcome> outcome;
    Ui().StartBattle(enemy, [&](BattleOutcome result) { outcome = result; });
    auto& battle = dynamic_cast<BattleForm&>(AdventureScreen().front());
    const Ref<Squad> peasants = enemy->At(0);
    battle.battle().StateOf(*peasants).frozen = true;
    battle.ShowHalf(*peasants);
    battle.battle().Select(CurrentGame()->hero().army().At(1));
    app.Run();
    app.Exit();
    platform::SetCurrent(nullptr);

    EXPECT_EQ(outcome, BattleOutcome::kVictory);
    const Png start = ReadBack(kFrames / "start.png"), aim = ReadBack(kFrames / "aim.png");
    const Png victory = ReadBack(kFrames / "victory.png"), map = ReadBack(kFrames / "map.png");
    EXPECT_TRUE(Differ(start, aim) && Differ(aim, victory) && Differ(victory, map));
}

}  // namespace
}  // namespace cv::e2e
