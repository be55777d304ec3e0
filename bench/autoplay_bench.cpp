// Whole games played by the computer player without drawing, on the rules of
// the built game folder: game days simulated a second of processor time.
#include <benchmark/benchmark.h>

#include <string>

#include "autoplay/auto_game.h"
#include "autoplay/game_rules.h"
#include "bench_support.h"

namespace {

struct Game {
    const char* heroClass;
    int difficulty;
    unsigned seed;
};

// Every class and difficulty once: short won games and games run to the end.
const Game kGames[] = {
    {"Knight", 0, 3}, {"Paladin", 1, 11}, {"Sorceress", 2, 7}, {"Barbarian", 3, 1}};

std::string NameOf(const Game& game) {
    return std::string("game/") + game.heroClass + "/" + std::to_string(game.difficulty) + "/" +
           std::to_string(game.seed);
}

void PlayWholeGame(benchmark::State& state, Game game) {
    double days = 0;
    for (auto _ : state) {
        const cv::autoplay::GameReport report =
            cv::autoplay::PlayGame(game.heroClass, game.difficulty, game.seed);
        if (report.outcome == cv::autoplay::GameReport::Outcome::kStalled) {
            state.SkipWithError("the game stalled");
            return;
        }
        days += report.daysUsed;
    }
    state.counters["days"] = benchmark::Counter(days, benchmark::Counter::kAvgIterations);
    state.counters["days_per_s"] = benchmark::Counter(days, benchmark::Counter::kIsRate);
}

}  // namespace

int main(int argc, char** argv) {
    cv::autoplay::LoadGameRules(cv::bench::BuiltGameFolder().string());
    for (const Game& game : kGames) {
        benchmark::RegisterBenchmark(NameOf(game).c_str(), PlayWholeGame, game)
            ->Unit(benchmark::kMillisecond);
    }
    cv::bench::RatioReporter reporter;
    cv::bench::RunRepeated(argc, argv, 3, reporter);
    // All the games' days over all their time: the long games weigh most.
    double days = 0, seconds = 0;
    for (const Game& game : kGames) {
        days += reporter.Counter(NameOf(game), "days");
        seconds += reporter.Seconds(NameOf(game));
    }
    cv::bench::PrintFigure("computer-player game days a second", seconds > 0 ? days / seconds : 0,
                           "days/s", 1000, false);
    benchmark::Shutdown();
    return 0;
}
