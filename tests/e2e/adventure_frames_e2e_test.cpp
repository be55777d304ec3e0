// The adventure map with what lies on it, drawn headless by the game on the
// real game folder and kept as frames to look at: a treasure, an artifact, a
// teleporter, a signpost and a hostile army around the hero, then the message
// of the map to another continent that he finds beside him.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "game/world/army_objects.h"
#include "game/world/bonus_objects.h"
#include "game/world/signpost.h"
#include "gfx/graphics_device.h"
#include "headless_game.h"
#include "screens/adventure_panels.h"
#include "screens/adventure_screen.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;

TEST(AdventureFrames, ObjectsStandOnTheirCellsAroundTheHero) {
    const fs::path frames = fs::path(CORVANTH_FRAMES_DIR) / "adventure";
    fs::create_directories(frames);
    const auto shot = [&](const char* name) { return "shot " + (frames / name).string() + "\n"; };
    FreshGame run("tick 1\n" + shot("objects.png") + "key Right\ntick 1\n" + shot("map_found.png") +
                  "key Enter\ntick 1\nquit\n");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());
    RunningGame& game = *keep;
    const Cell hero = OpenGround(game);
    game.PlaceHero(game.hero().continent(), hero);
    Place<Treasure>(game, {hero.x - 1, hero.y + 1});
    Place<ArtifactObject>(game, {hero.x + 1, hero.y + 1}, "A3");
    Place<Teleporter>(game, {hero.x - 2, hero.y - 1})->SetTarget(hero);
    Place<Enemy>(game, {hero.x + 2, hero.y - 2})->army()->Parse("Wolves:10");
    Place<ContinentMap>(game, {hero.x + 1, hero.y})->SetTarget("Ashfall");
    Place<Signpost>(game, {hero.x - 1, hero.y - 1}, "Ashfall lies beyond the sea.");
    run.Play();

    EXPECT_EQ(game.hero().position(), (Cell{hero.x + 1, hero.y}));
    EXPECT_FALSE(game.here().ObjectAt(game.hero().position())) << "the map is taken";
    EXPECT_NE(ReadBack(frames / "objects.png").rgba, ReadBack(frames / "map_found.png").rgba);
}

// The screen's background is drawn only around the view, as the cells cover
// it with opaque ground or colour: nothing of an earlier frame shows there.
TEST(AdventureFrames, TheCellsCoverTheViewWhateverLayBelow) {
    FreshGame run("");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());
    const SurfaceDesc d = GraphicsDevice()->getScreenSurface()->describe();
    // The view's logical columns are the surface's rows, counted from its end.
    const Rect view = AdventureScreen().view().area();
    const auto viewPixels = [&](int before) {
        for (int row = 0; row < d.height; ++row) std::memset(d.At(0, row), before, d.width * 2);
        RenderFrame([](IPainter&) { AdventureScreen().paint(); });
        std::vector<uint8_t> pixels;
        for (int row = d.height - view.x - view.width; row < d.height - view.x; ++row)
            pixels.insert(pixels.end(), d.At(view.y, row), d.At(view.y + view.height, row));
        return pixels;
    };
    const std::vector<uint8_t> overBlack = viewPixels(0x00);
    EXPECT_EQ(overBlack.size(), size_t(view.width) * view.height * 2);
    EXPECT_TRUE(viewPixels(0xFF) == overBlack);
}

// The whole frame as the screen shows it after the panels follow the game.
std::vector<uint8_t> PanelsFrame(RunningGame& game) {
    FollowGame(AdventureScreen(), game);
    RenderFrame([](IPainter&) { AdventureScreen().paint(); });
    const SurfaceDesc d = GraphicsDevice()->getScreenSurface()->describe();
    std::vector<uint8_t> pixels;
    for (int row = 0; row < d.height; ++row)
        pixels.insert(pixels.end(), d.At(0, row), d.At(d.width, row));
    return pixels;
}

// A panel keeps its pixels while what it shows stays the same: each change
// shows at once, and undone, the panel looks as it did before.
TEST(AdventureFrames, APanelShowsEachChangeAndLooksAsBeforeOnceItIsUndone) {
    FreshGame run("");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> keep(CurrentGame());
    RunningGame& game = *keep;
    Hero& hero = game.hero();
    Villain& villain = game.villains().Find(1);
    const Ref<Army> army = villain.army();
    const int gold = hero.gold();
    const struct {
        const char* panel;
        std::function<void()> change, undo;
    } changes[] = {
        {"GoldInfo", [&] { hero.SetGold(gold + 1); }, [&] { hero.SetGold(gold); }},
        {"MapPieces", [&] { villain.SetArmy(nullptr); }, [&] { villain.SetArmy(army); }},
        {"Villain", [&] { hero.SetCurrentContract(1); }, [&] { hero.SetCurrentContract(0); }},
    };
    const std::vector<uint8_t> before = PanelsFrame(game);
    for (const auto& [panel, change, undo] : changes) {
        change();
        EXPECT_TRUE(PanelsFrame(game) != before) << panel;
        undo();
        EXPECT_TRUE(PanelsFrame(game) == before) << panel;
        EXPECT_TRUE(PanelsFrame(game) == before) << panel << ", drawn again";
    }
}

}  // namespace
}  // namespace cv::e2e
