// A battle on the real game folder, drawn headless by the game itself and kept
// as frames to look at: the field with a frozen and a halved squad, the army
// view and the hero's information from the battle, the spell list and a
// spell armed, the shot's target under the keys' cursor, the victory box and
// the map again.
// The test starts the battle as a wandering army does, through the game's
// screens, so that it can freeze and halve a squad first.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/model/game_ui.h"
#include "headless_game.h"
#include "screens/game_session.h"

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
    // The keys' target cursor goes from the archers to the peasants.
    const std::string toPeasants = "key Right\nkey Right\nkey Right\nkey Right\nkey PgDown\n";
    const std::string armyAndHero = "key I\ntick 1\n" + shot("army.png") +
                                    "key Esc\ntap 560 235\ntick 1\ntap 320 228\ntick 1\n" +
                                    shot("hero.png") + "key Esc\n";
    const std::string freezeArmed = "tap 560 74\n" + shot("spells.png") + "tap 223 333\n" +
                                    toPeasants + shot("spell.png") + "key Esc\n";
    dir.Write("battle.txt", "tick 1\n" + shot("start.png") + armyAndHero + freezeArmed +
                                "tap 560 105\n" + toPeasants + shot("aim.png") +
                                "key Enter\ntick 6\n" + shot("victory.png") +
                                "key Enter\ntick 2\n" + shot("map.png") + "quit\n");
    HeadlessGame game(dir, "battle.txt");
    ASSERT_TRUE(game.started());
    CurrentGame()->hero().army().Clear();
    CurrentGame()->hero().army().Parse("Knights:5,Archers:20,Dragons:1");
    CurrentGame()->hero().AddLeadershipBonus(100000);  // a hero they all obey
    CurrentGame()->hero().SetCanUseSpells(true);
    CurrentGame()->hero().spells().Add("FreezeSpell", 2);
    CurrentGame()->hero().AddArtifact("A2");
    CurrentGame()->hero().AddArtifact("B3");
    Ref<Army> enemy = MakeRef<Army>();
    enemy->Parse("Peasants:3");
    std::optional<BattleOutcome> outcome;
    Ui().StartBattle(enemy, [&](BattleOutcome result) { outcome = result; });
    auto& battle = dynamic_cast<BattleForm&>(AdventureScreen().front());
    const Ref<Squad> peasants = enemy->At(0);
    battle.battle().StateOf(*peasants).frozen = true;
    battle.ShowHalf(*peasants);
    battle.battle().Select(CurrentGame()->hero().army().At(1));
    game.Play();

    EXPECT_EQ(outcome, BattleOutcome::kVictory);
    EXPECT_EQ(CurrentGame()->hero().spells().Count("FreezeSpell"), 2) << "the armed spell was cast";
    std::vector<Png> frames;
    for (const char* name : {"start", "army", "hero", "spells", "spell", "aim", "victory", "map"}) {
        frames.push_back(ReadBack(kFrames / (std::string(name) + ".png")));
    }
    for (size_t i = 1; i < frames.size(); ++i) EXPECT_TRUE(Differ(frames[i - 1], frames[i])) << i;
}

}  // namespace
}  // namespace cv::e2e
