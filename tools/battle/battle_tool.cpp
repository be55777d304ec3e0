// corvanth-battle: battles between two armies, both played by the game's own
// computer player, on the rules of the game folder: the balance tool.
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>

#include "app/cfg_file.h"
#include "app/cfg_resource_groups.h"
#include "battle/battle_sample.h"
#include "common/tool_main.h"
#include "core/config_parser.h"
#include "core/dispatcher.h"
#include "core/resource_groups.h"
#include "core/settings.h"
#include "core/stream.h"
#include "game/combat/combat_sys.h"
#include "game/combat/tactics_map.h"
#include "game/model/unit_tables.h"
#include "platform/runtime_rand.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-battle [--seed N] [--runs N] [--game-dir DIR] ARMY ARMY\n"
    "Fights the first army (the hero's side, always in control) against the\n"
    "second, both played by the game's computer player on the rules of the game\n"
    "folder (DIR, by default the folder of this program). An army is written as\n"
    "in the rules: unit:count items joined by \",\", e.g. \"Knights:10,Archers:20\".\n"
    "One battle prints every round and the outcome; --runs N fights N battles in\n"
    "a row and prints the first army's win share, the mean losses and rounds.\n"
    "A seed (0..4294967295) repeats the same battles; without it the clock seeds.\n";

struct Options {
    std::optional<unsigned> seed;
    unsigned runs = 0;
    std::string gameDir;
    std::string armies[2];
};

Options ParseOptions(const cv::tool::Arguments& args) {
    Options options;
    size_t armies = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--seed" && hasValue) {
            options.seed = cv::tool::ParseUnsigned(args[++i]);
        } else if (args[i] == "--runs" && hasValue) {
            options.runs = cv::tool::ParseUnsigned(args[++i]);
            if (options.runs == 0) throw cv::tool::UsageError{};
        } else if (args[i] == "--game-dir" && hasValue) {
            options.gameDir = args[++i];
        } else if (armies < 2 && !args[i].empty() && args[i][0] != '-') {
            options.armies[armies++] = args[i];
        } else {
            throw cv::tool::UsageError{};
        }
    }
    if (armies != 2) throw cv::tool::UsageError{};
    return options;
}

std::string FolderOfThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().string();
}

// The rules as the game reads them: its CFG's packages, then "cv.ini".
void LoadRules(const std::string& folder) {
    const std::string dir = (std::filesystem::absolute(folder) / "").string();
    cv::SetAppDir(dir);
    cv::SetCfgPath(dir + "Corvanth.CFG");
    cv::CfgResourceGroups resources;
    cv::ReadCfgFile(resources);
    cv::SetRoot(cv::MakeRef<cv::Dispatcher>());
    cv::Parse(*cv::Root(), cv::ReadAll(*cv::OpenResourceOrFail("cv.ini")));
    cv::Units().Load(cv::Root());
    cv::TacticsMap().Load(cv::Root());
    cv::CombatParams().Load(cv::Root());
}

int Run(const cv::tool::Arguments& args) {
    const Options options = ParseOptions(args);
    LoadRules(options.gameDir.empty() ? FolderOfThisProgram() : options.gameDir);
    cv::tool::BattleSample sample(options.armies[0], options.armies[1]);
    cv::platform::Srand(options.seed ? *options.seed : static_cast<unsigned>(time(nullptr)));
    if (options.runs == 0) {
        sample.Fight(&std::cout);
        return 0;
    }
    for (unsigned run = 0; run < options.runs; ++run) sample.Fight(nullptr);
    sample.PrintSummary(std::cout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, Run);
}
