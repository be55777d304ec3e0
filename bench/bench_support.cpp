#include "bench_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>

extern char** environ;

namespace cv::bench {

namespace fs = std::filesystem;

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // A single run stands for itself; with repetitions the median, which
        // is reported after them, takes its place.
        if (run.error_occurred || !(run.aggregate_name.empty() || run.aggregate_name == "median"))
            continue;
        const std::string& name = run.run_name.function_name;
        const double time = run.run_name.time_type == "manual_time" ? run.GetAdjustedRealTime()
                                                                    : run.GetAdjustedCPUTime();
        seconds_[name] = time / benchmark::GetTimeUnitMultiplier(run.time_unit);
        for (const auto& [counter, value] : run.counters) counters_[name][counter] = value;
    }
}

double RatioReporter::Seconds(const std::string& name) const {
    const auto found = seconds_.find(name);
    return found == seconds_.end() ? 0 : found->second;
}

double RatioReporter::Counter(const std::string& name, const std::string& counter) const {
    const auto found = counters_.find(name);
    if (found == counters_.end()) return 0;
    const auto value = found->second.find(counter);
    return value == found->second.end() ? 0 : value->second;
}

double RatioReporter::Ratio(const std::string& ours, const std::string& reference) const {
    const double a = Seconds(ours), b = Seconds(reference);
    return a == 0 || b == 0 ? 0 : a / b;
}

void RunRepeated(int argc, char** argv, int repetitions, RatioReporter& reporter) {
    std::string repetitionsArg = "--benchmark_repetitions=" + std::to_string(repetitions);
    char aggregatesOnly[] = "--benchmark_display_aggregates_only=true";
    std::vector<char*> args{argv[0], repetitionsArg.data(), aggregatesOnly};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
}

void PrintFigure(const std::string& what, double value, const char* unit, double goal, bool most) {
    // A figure that could not be measured is 0 and never meets its goal.
    const bool met = value > 0 && (most ? value <= goal : value >= goal);
    std::printf("figure | %s | %.3g %s | %s %g %s | %s\n", what.c_str(), value, unit,
                most ? "<=" : ">=", goal, unit, met ? "yes" : "NO");
    std::fflush(stdout);
}

fs::path BuiltGameFolder() {
    return CORVANTH_GAME_DIR;
}

GameFolderCopy::GameFolderCopy()
    : path_(fs::temp_directory_path() / ("corvanth-bench-" + std::to_string(getpid()))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    for (const char* file : {"Corvanth.CFG", "Corvanth.pak", "English.pak", "Deutsch.pak"})
        fs::copy_file(BuiltGameFolder() / file, path_ / file);
}

GameFolderCopy::~GameFolderCopy() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

bool RunChild(const std::vector<std::string>& args, rusage& usage) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (error != 0 || wait4(child, &status, 0, &usage) != child) {
        std::cerr << "cannot run " << args[0] << "\n";
        return false;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    std::cerr << args[0] << " failed (wait status " << status << ")\n";
    return false;
}

double CpuSeconds(const rusage& usage) {
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace cv::bench
