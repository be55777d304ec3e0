// A whole adventure-map frame (the 5 x 5 cells, the hero, the panels and the
// buttons) drawn by the game on the built game folder, against memset of the
// same frame. Only the drawing is timed: presenting is the platform's work.
#include <benchmark/benchmark.h>

#include <cstring>
#include <stdexcept>

#include "app/key_codes.h"
#include "bench_support.h"
#include "gfx/graphics_device.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/adventure_screen.h"
#include "screens/game_application.h"
#include "screens/game_data_init.h"
#include "screens/new_game.h"

namespace {

// The game started headless on a copy of the game folder, a new knight on
// the map; the application is inactive, so that frames are not presented.
class AdventureGame {
public:
    AdventureGame() {
        cv::platform::SetFixedSeed(11);
        cv::platform::SetCurrent(&host_);
        if (!app_.Init()) throw std::runtime_error("the game did not start");
        cv::TheNewGameChoices() = cv::NewGameChoices{u"Arthur", "Knight", 0, 1};
        cv::StartNewGame(cv::PackagedRules());
        app_.SetScreen(&cv::AdventureScreen());
        app_.SetActive(false);
    }
    ~AdventureGame() {
        app_.Exit();
        cv::platform::SetCurrent(nullptr);
    }

private:
    cv::bench::GameFolderCopy folder_;
    cv::platform::HeadlessPlatform host_{"", cv::VirtualKeyOfKeyName};
    cv::GameApplication app_{(folder_.path() / "Corvanth").string()};
};

AdventureGame& Game() {
    static AdventureGame game;
    return game;
}

void AdventureFrame(benchmark::State& state) {
    Game();
    const auto paint = [](cv::IPainter&) { cv::AdventureScreen().paint(); };
    cv::RenderFrame(paint);  // once untimed: the pictures are read and cached
    for (auto _ : state) {
        cv::RenderFrame(paint);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(AdventureFrame);

void MemsetFrame(benchmark::State& state) {
    Game();
    const cv::SurfaceDesc d = cv::GraphicsDevice()->getScreenSurface()->describe();
    // The rows may run either way in memory; the frame starts at the lower end.
    uint8_t* start = d.pitch < 0 ? d.At(0, d.height - 1) : d.row0;
    const size_t bytes = static_cast<size_t>(d.pitch < 0 ? -d.pitch : d.pitch) * d.height;
    int value = 0;
    for (auto _ : state) {
        std::memset(start, ++value, bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetFrame);

}  // namespace

int main(int argc, char** argv) {
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 7, reporter);
    cv::bench::PrintFigure("adventure frame drawn / memset of the frame",
                           reporter.Ratio("AdventureFrame", "MemsetFrame"), "x", 3, true);
    benchmark::Shutdown();
    return 0;
}
