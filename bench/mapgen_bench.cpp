// A random map set of four continents made and written by the map generator,
// as the new-game screen asks for one (without the pause it shows after).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "bench_support.h"
#include "mapgen/random_maps.h"

namespace {

namespace fs = std::filesystem;

const unsigned kSeeds[] = {1, 777, 5959};

void RandomMapSet(benchmark::State& state, unsigned seed) {
    const fs::path folder =
        fs::temp_directory_path() / ("corvanth-bench-maps-" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (auto _ : state) {
        if (!cv::GenerateRandomMaps(folder.string(), seed)) {
            state.SkipWithError("the map set could not be written");
            break;
        }
    }
    fs::remove_all(folder);
}

std::string NameOf(unsigned seed) {
    return "maps/seed/" + std::to_string(seed);
}

}  // namespace

int main(int argc, char** argv) {
    for (unsigned seed : kSeeds) {
        benchmark::RegisterBenchmark(NameOf(seed).c_str(), RandomMapSet, seed)
            ->Unit(benchmark::kMillisecond);
    }
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 5, reporter);
    double slowest = 0;
    for (unsigned seed : kSeeds) slowest = std::max(slowest, reporter.Seconds(NameOf(seed)));
    cv::bench::PrintFigure("random map set, slowest seed", slowest * 1000, "ms", 50, true);
    benchmark::Shutdown();
    return 0;
}
