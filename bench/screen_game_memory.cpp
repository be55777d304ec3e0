// The peak resident memory of a whole game played headless through the real
// screens, every frame drawn. The game runs in a process of its own (this
// program started again with "--play FOLDER"), so that nothing of the
// benchmark inflates its peak.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "autoplay/screen_pilot.h"
#include "bench_support.h"

namespace {

// A seed whose sceptre the puzzle gives away early, so that the whole game,
// battles and sieges included, stays short.
constexpr const char* kHeroClass = "Knight";
constexpr int kDifficulty = 3;
constexpr unsigned kSeed = 102;

int PlayInThisProcess(const char* folder) {
    const cv::autoplay::GameReport game =
        cv::autoplay::PlayGameOnScreens(folder, kHeroClass, kDifficulty, kSeed);
    std::printf("%s after %d days\n", cv::autoplay::OutcomeName(game.outcome), game.daysUsed);
    return game.outcome == cv::autoplay::GameReport::Outcome::kStalled ? 1 : 0;
}

std::string ThisProgram() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

void WholeGameOnScreens(benchmark::State& state) {
    for (auto _ : state) {
        cv::bench::GameFolderCopy folder;
        rusage usage{};
        if (!cv::bench::RunChild({ThisProgram(), "--play", folder.path().string()}, usage)) {
            state.SkipWithError("the game did not end");
            return;
        }
        state.SetIterationTime(cv::bench::CpuSeconds(usage));
        state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;  // KiB
    }
}
BENCHMARK(WholeGameOnScreens)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--play") == 0) return PlayInThisProcess(argv[2]);
    benchmark::Initialize(&argc, argv);
    cv::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    cv::bench::PrintFigure("peak memory of a whole game on the screens",
                           reporter.Counter("WholeGameOnScreens", "peak_rss_MB"), "MB", 64, true);
    benchmark::Shutdown();
    return 0;
}
