#pragma once

// What the benchmark programs share: medians for the ratios, the figures
// they exist for, copies of the built game folder and timed child processes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace cv::bench {

// Keeps every benchmark's median time per iteration, in seconds: processor
// time (the machine may be busy with other work: wall time would count that
// too), or the benchmark's own time when it measures it itself.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // 0 when the benchmark did not run.
    double Seconds(const std::string& name) const;
    // The median of a counter; 0 when there is none.
    double Counter(const std::string& name, const std::string& counter) const;
    // Seconds of `ours` over seconds of `reference`; 0 when either is missing.
    double Ratio(const std::string& ours, const std::string& reference) const;

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, std::map<std::string, double>> counters_;
};

// Runs the registered benchmarks `repetitions` times each, shown as
// aggregates only, unless the command line (read after these) asks otherwise.
void RunRepeated(int argc, char** argv, int repetitions, RatioReporter& reporter);

// A line "figure | what | value | goal | met" for scripts/bench.sh to gather;
// `most` true: the goal is value <= goal, else value >= goal.
void PrintFigure(const std::string& what, double value, const char* unit, double goal, bool most);

// A copy of the built game folder (CFG and packages) in a fresh temporary
// folder, for a game that writes its CFG and saves; removed at the end.
class GameFolderCopy {
public:
    GameFolderCopy();
    ~GameFolderCopy();
    GameFolderCopy(const GameFolderCopy&) = delete;
    GameFolderCopy& operator=(const GameFolderCopy&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The built game folder.
std::filesystem::path BuiltGameFolder();

// Runs the program `args[0]` with its standard output thrown away and waits
// for it; false (with a message on standard error) unless it exited with 0.
// `usage` receives what the child used: processor times, peak memory.
bool RunChild(const std::vector<std::string>& args, rusage& usage);

// The user and system processor time of a child, in seconds.
double CpuSeconds(const rusage& usage);

}  // namespace cv::bench
