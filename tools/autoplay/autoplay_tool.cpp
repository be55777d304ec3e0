// corvanth-autoplay: whole games played by the computer player without
// drawing, on the rules of the game folder.
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <optional>
#include <vector>

#include "autoplay/auto_game.h"
#include "autoplay/game_rules.h"
#include "common/tool_main.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-autoplay [--seed N] [--class C] [--difficulty D] [--games N]\n"
    "                         [--verbose] [--check-saves] [--game-dir DIR]\n"
    "Plays whole games with the computer player, without drawing, on the rules\n"
    "of the game folder (DIR, by default the folder of this program), and prints\n"
    "a line per game: class, difficulty, seed, outcome (won, lost, or stalled\n"
    "when the player stops getting anywhere), days used, score, villains caught,\n"
    "battles won and lost; after several games, for each class and in all, the\n"
    "share won, the mean days used and the mean score.\n"
    "  --class C       Knight, Paladin, Sorceress or Barbarian; without it each\n"
    "                  of the four plays its games in turn\n"
    "  --difficulty D  0 (easiest) to 3 (hardest); 1 without it\n"
    "  --games N       games per class (1 without it), seeded with the seed,\n"
    "                  the seed + 1, ...\n"
    "  --seed N        0..4294967295; the same seed plays the same game; without\n"
    "                  it the clock seeds (the lines show the seeds)\n"
    "  --verbose       a line at the end of every week of every game\n"
    "  --check-saves   at every week's end, saves the game, loads the save into a\n"
    "                  new game, saves that again and compares the two saves' game\n"
    "                  data, then plays on with the loaded game; the lines show the\n"
    "                  weeks checked, and a difference stops with the week and the\n"
    "                  first differing byte (status 1)\n"
    "The time the games took goes to standard error.\n";

const char* const kClasses[] = {"Knight", "Paladin", "Sorceress", "Barbarian"};

struct Options {
    std::optional<unsigned> seed;
    std::vector<std::string> classes;
    int difficulty = 1;
    unsigned games = 1;
    bool verbose = false;
    bool checkSaves = false;
    std::string gameDir;
};

bool IsClass(const std::string& name) {
    for (const char* known : kClasses) {
        if (name == known) return true;
    }
    return false;
}

Options ParseOptions(const cv::tool::Arguments& args) {
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--seed" && hasValue) {
            options.seed = cv::tool::ParseUnsigned(args[++i]);
        } else if (args[i] == "--class" && hasValue && IsClass(args[i + 1])) {
            options.classes = {args[++i]};
        } else if (args[i] == "--difficulty" && hasValue) {
            options.difficulty = static_cast<int>(cv::tool::ParseUnsigned(args[++i]));
            if (options.difficulty > 3) throw cv::tool::UsageError{};
        } else if (args[i] == "--games" && hasValue) {
            options.games = cv::tool::ParseUnsigned(args[++i]);
            if (options.games == 0) throw cv::tool::UsageError{};
        } else if (args[i] == "--verbose") {
            options.verbose = true;
        } else if (args[i] == "--check-saves") {
            options.checkSaves = true;
        } else if (args[i] == "--game-dir" && hasValue) {
            options.gameDir = args[++i];
        } else {
            throw cv::tool::UsageError{};
        }
    }
    if (options.classes.empty()) options.classes.assign(std::begin(kClasses), std::end(kClasses));
    return options;
}

std::string FolderOfThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

void PrintGame(const cv::autoplay::GameReport& game) {
    std::cout << std::left << std::setw(10) << game.heroClass << " difficulty " << game.difficulty
              << "  seed " << std::setw(10) << game.seed << " " << std::setw(8)
              << cv::autoplay::OutcomeName(game.outcome) << " days " << std::setw(4)
              << game.daysUsed << " score " << std::setw(6) << game.score << " villains "
              << std::setw(2) << game.villainsCaught << " battles won " << std::setw(3)
              << game.battles.won << " lost " << game.battles.lost;
    if (game.weekChecks > 0) std::cout << " saves checked " << game.weekChecks;
    std::cout << "\n";
}

// The games of one class: the row of the balance table.
struct Tally {
    unsigned played = 0, won = 0;
    long days = 0, score = 0;

    void Add(const cv::autoplay::GameReport& game) {
        ++played;
        won += game.outcome == cv::autoplay::GameReport::Outcome::kWon;
        days += game.daysUsed;
        score += game.score;
    }
    void Print(const std::string& what) const {
        std::cout << std::left << std::setw(10) << what << std::right << " won " << won << " of "
                  << played << " (" << std::fixed << std::setprecision(1) << 100.0 * won / played
                  << "%), mean days " << static_cast<double>(days) / played << ", mean score "
                  << static_cast<double>(score) / played << "\n";
    }
};

int Run(const cv::tool::Arguments& args) {
    const Options options = ParseOptions(args);
    cv::autoplay::LoadGameRules(options.gameDir.empty() ? FolderOfThisProgram() : options.gameDir);
    const unsigned seed = options.seed ? *options.seed : static_cast<unsigned>(time(nullptr));
    Tally all;
    std::vector<std::pair<std::string, Tally>> byClass;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& heroClass : options.classes) {
        Tally& tally = byClass.emplace_back(heroClass, Tally{}).second;
        for (unsigned game = 0; game < options.games; ++game) {
            const cv::autoplay::GameReport report = cv::autoplay::PlayGame(
                heroClass, options.difficulty, seed + game, cv::autoplay::kMostActions,
                options.verbose ? &std::cout : nullptr,
                options.checkSaves ? cv::autoplay::SaveChecks::kEveryWeek
                                   : cv::autoplay::SaveChecks::kOff);
            PrintGame(report);
            if (!report.saveFault.empty()) {
                std::cerr << "Save check failed: " << report.saveFault << "\n";
                return 1;
            }
            tally.Add(report);
            all.Add(report);
        }
    }
    if (all.played > 1) {
        for (const auto& [heroClass, tally] : byClass) tally.Print(heroClass);
        if (byClass.size() > 1) all.Print("All");
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cerr << std::fixed << std::setprecision(3) << "Time: " << seconds / all.played
              << " s a game, " << std::setprecision(0) << (seconds > 0 ? all.days / seconds : 0)
              << " game days a second\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, Run);
}
