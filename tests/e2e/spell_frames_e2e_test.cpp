// The adventure spell list and the bridge form on the real game folder, drawn
// headless by the game itself in each language and kept as frames to look at:
// the list, the combat counts over it, the bridge form and the bridge built.
// Until the map opens the list itself, the test opens it the way it will.
#include <gtest/gtest.h>

#include "game/world/adventure_spells.h"
#include "game/world/bridge_spell.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// A land cell of the hero's continent with water that takes a bridge to its right.
Cell BridgeSite(RunningGame& game) {
    const int continent = game.hero().continent();
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (!game.here().KindAt({x, y}).Has(kTerrainWalk)) continue;
            game.PlaceHero(continent, {x, y});
            if (BridgeDirectionOpen(game, kBridgeDirections[1])) return {x, y};
        }
    }
    ADD_FAILURE() << "no water that takes a bridge beside land";
    return {};
}

TEST_P(LanguageFrames, TheListCountsTheSpellsAndItsBridgeLineBuildsOne) {
    Open("spells");
    // "Combat Spells", Esc for the counts' box, the bridge line, then "Right".
    dir.Write("spells.txt", "tick 1\n" + Shot("list.png") + "tap 223 367\ntick 1\n" +
                                Shot("counts.png") + "key Esc\ntap 223 161\ntick 1\n" +
                                Shot("bridge.png") + "tap 493 261\ntick 1\n" + Shot("built.png") +
                                "quit\n");
    HeadlessGame run(dir, "spells.txt");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());  // for the checks once the game has ended
    RunningGame& game = *keep;
    Hero& hero = game.hero();
    hero.SetCanUseSpells(true);
    hero.AddSpellPower(1);
    for (const char* spell : {"BridgeSpell", "TimeStopSpell", "RaiseControlSpell"}) {
        hero.spells().Add(spell, 1);
    }
    hero.spells().Add("FireballSpell", 12);
    const Cell site = BridgeSite(game);
    const int water = game.here().TerrainAt({site.x + 1, site.y});
    OpenAdventureSpells(game);
    run.Play();

    EXPECT_NE(game.here().TerrainAt({site.x + 1, site.y}), water);
    EXPECT_EQ(hero.spells().Count("BridgeSpell"), 0);
    const Png list = Frame("list.png"), counts = Frame("counts.png");
    const Png bridge = Frame("bridge.png"), built = Frame("built.png");
    EXPECT_TRUE(list.rgba != counts.rgba && counts.rgba != bridge.rgba &&
                bridge.rgba != built.rgba);
}

}  // namespace
}  // namespace cv::e2e
