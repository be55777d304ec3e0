// The game started headless as a player starts it, until its first title
// frame is drawn (then it closes), against reading the packages that
// start-up opens and inflating every entry in them with zlib. Both count
// processor time: the game's own, as its process reports it.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/byte_io.h"
#include "core/file_stream.h"
#include "core/package.h"

namespace {

// The main package and that of the CFG's language.
const char* const kStartupPackages[] = {"Corvanth.pak", "English.pak"};

void StartToTitleFrame(benchmark::State& state) {
    cv::bench::GameFolderCopy folder;
    const std::string script = (folder.path() / "title.txt").string();
    std::ofstream(script) << "tick 1\n";  // one message: the title's first frame follows it
    const std::vector<std::string> args{CORVANTH_EXE, "--headless", "--seed", "1", "--script",
                                        script,       "--game-dir", folder.path().string()};
    for (auto _ : state) {
        rusage usage{};
        if (!cv::bench::RunChild(args, usage)) {
            state.SkipWithError("the game did not start");
            return;
        }
        state.SetIterationTime(cv::bench::CpuSeconds(usage));
    }
}
BENCHMARK(StartToTitleFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// One package: its directory, and where its file is.
struct PackageFile {
    std::string path;
    std::vector<cv::Package::Entry> entries;
};

std::vector<PackageFile> StartupPackages() {
    std::vector<PackageFile> files;
    for (const char* name : kStartupPackages) {
        PackageFile& file = files.emplace_back();
        file.path = (cv::bench::BuiltGameFolder() / name).string();
        cv::Package package;
        package.Load(cv::MakeRef<cv::FileStream>(file.path, 'r'));
        for (const auto& [key, entry] : package.entries()) file.entries.push_back(entry);
    }
    return files;
}

void ReadAndInflatePackages(benchmark::State& state) {
    const std::vector<PackageFile> files = StartupPackages();
    for (auto _ : state) {
        for (const PackageFile& file : files) {
            cv::FileStream in(file.path, 'r');
            const std::string bytes = cv::ReadAll(in);
            for (const cv::Package::Entry& entry : file.entries) {
                const auto* stored = reinterpret_cast<const uint8_t*>(bytes.data()) + entry.offset;
                std::vector<uint8_t> out(cv::LoadU32(stored));
                uLongf length = out.size();
                uncompress(out.data(), &length, stored + 4, entry.storedSize - 4);
                benchmark::DoNotOptimize(out.data());
            }
        }
    }
}
BENCHMARK(ReadAndInflatePackages)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 5, reporter);
    cv::bench::PrintFigure("start-up to the title frame / reading its packages",
                           reporter.Ratio("StartToTitleFrame", "ReadAndInflatePackages"), "x", 2,
                           true);
    benchmark::Shutdown();
    return 0;
}
