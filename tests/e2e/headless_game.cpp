#include "headless_game.h"

#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "platform/runtime_rand.h"
#include "screens/adventure_screen.h"
#include "screens/game_data_init.h"
#include "screens/game_session.h"
#include "screens/new_game.h"

namespace cv::e2e {

HeadlessGame::HeadlessGame(const TempDir& dir, const std::string& script)
    : host_((dir / script).string(), VirtualKeyOfKeyName), app_((dir / "Corvanth").string()) {
    platform::SetFixedSeed(11);
    platform::SetCurrent(&host_);
    started_ = app_.Init();
    if (!started_) return;
    TheNewGameChoices() = NewGameChoices{u"Arthur", "Knight", 0, 1};
    StartNewGame(PackagedRules());
    app_.SetScreen(&AdventureScreen());
}

HeadlessGame::~HeadlessGame() {
    platform::SetCurrent(nullptr);
}

void HeadlessGame::Play() {
    app_.Run();
    app_.Exit();
}

ScriptedFolder::ScriptedFolder(const std::string& script) {
    CopyGameFolder(dir);
    dir.Write("script.txt", script);
}

void LanguageFrames::Open(const std::string& topic) {
    frames = std::filesystem::path(CORVANTH_FRAMES_DIR) / topic / GetParam();
    std::filesystem::create_directories(frames);
    CopyGameFolder(dir);
    std::string cfg = dir.Read("Corvanth.CFG");
    cfg.replace(cfg.find("CurLanguage=English"), 19, std::string("CurLanguage=") + GetParam());
    dir.Write("Corvanth.CFG", cfg);
}

std::string LanguageFrames::Shot(const std::string& name) const {
    return "tick 1\nshot " + (frames / name).string() + "\n";
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, LanguageFrames, ::testing::Values("English", "Deutsch"));

Cell OpenGround(RunningGame& game, int left, int right, int below, int above) {
    Location& here = game.here();
    const auto each = [&](Cell centre, auto&& visit) {
        for (int dy = -below; dy <= above; ++dy) {
            for (int dx = -left; dx <= right; ++dx) visit(Cell{centre.x + dx, centre.y + dy});
        }
    };
    const auto open = [&](Cell centre) {
        bool all = true;
        each(centre, [&](Cell cell) {
            const TerrainKind& kind = here.KindAt(cell);
            all = all && kind.Has(kTerrainWalk) && !kind.Has(kTerrainSlow);
        });
        return all;
    };
    for (int y = below; y < kContinentSize - above; ++y) {
        for (int x = left; x < kContinentSize - right; ++x) {
            if (!open({x, y})) continue;
            each({x, y}, [&](Cell cell) {
                if (Ref<MapObj> object = here.ObjectAt(cell)) here.RemoveObject(object.get());
            });
            return {x, y};
        }
    }
    ADD_FAILURE() << "no open ground on the hero's continent";
    return {};
}

}  // namespace cv::e2e
