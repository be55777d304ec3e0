// A whole adventure-map frame (the 5 x 5 cells, the hero, the panels and the
// buttons) drawn by the game on the built game folder, against memset of the
// same frame. Only the drawing is timed: presenting is the platform's work.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

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

// The screen's pixels as one block of memory.
struct FrameMemory {
    uint8_t* start;
    size_t bytes;
};

FrameMemory ScreenFrame() {
    Game();
    const cv::SurfaceDesc d = cv::GraphicsDevice()->getScreenSurface()->describe();
    // The rows may run either way in memory; the frame starts at the lower end.
    return {d.pitch < 0 ? d.At(0, d.height - 1) : d.row0,
            static_cast<size_t>(d.pitch < 0 ? -d.pitch : d.pitch) * d.height};
}

void MemsetFrame(benchmark::State& state) {
    const FrameMemory frame = ScreenFrame();
    int value = 0;
    for (auto _ : state) {
        std::memset(frame.start, ++value, frame.bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(MemsetFrame);

// What writing every pixel of the frame from other memory costs: no frame
// that is copied together from pictures can be drawn faster.
void CopyFrame(benchmark::State& state) {
    const FrameMemory frame = ScreenFrame();
    std::vector<uint8_t> picture(frame.bytes);
    for (auto _ : state) {
        ++picture[state.iterations() % frame.bytes];
        std::memcpy(frame.start, picture.data(), frame.bytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyFrame);

}  // namespace

int main(int argc, char** argv) {
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 7, reporter);
    cv::bench::PrintFigure("adventure frame drawn / memset of the frame",
                           reporter.Ratio("AdventureFrame", "MemsetFrame"), "x", 3, true);
    std::printf("copy of the frame / memset of the frame: %.2f x\n",
                reporter.Ratio("CopyFrame", "MemsetFrame"));
    benchmark::Shutdown();
    return 0;
}
