#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "app/entry_point.h"
#include "screens/game_application.h"
#include "platform/headless/headless_platform.h"
#include "app/key_codes.h"
#include "platform/runtime_rand.h"
#include "platform/sdl/sdl_platform.h"

namespace {

const char kUsage[] =
    "Usage: Corvanth [options]\n"
    "  --headless         run without a window (input from --script)\n"
    "  --script FILE      headless input script, one command a line\n"
    "  --seed N           seed the random generator with N instead of the clock\n"
    "  --game-dir DIR     use DIR (its Corvanth.CFG, packages and saves) instead of\n"
    "                     the folder of the executable\n"
    "  --help             show this text\n"
    "  --version          show the version\n";

struct Options {
    bool headless = false;
    std::string script;
    std::string gameDir;
    bool seeded = false;
    unsigned seed = 0;
};

bool ParseSeed(const std::string& text, unsigned& out) {
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value > 0xFFFFFFFFul) return false;
    out = static_cast<unsigned>(value);
    return true;
}

// Returns -1 to go on, otherwise the exit status.
int ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "Corvanth " CORVANTH_VERSION "\n";
            return 0;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--script" && hasValue) {
            options.script = argv[++i];
        } else if (arg == "--game-dir" && hasValue) {
            options.gameDir = argv[++i];
        } else if (arg == "--seed" && hasValue && ParseSeed(argv[i + 1], options.seed)) {
            options.seeded = true;
            ++i;
        } else {
            std::cerr << "Corvanth: bad option \"" << arg << "\"\n" << kUsage;
            return 2;
        }
    }
    if (!options.script.empty() && !options.headless) {
        std::cerr << "Corvanth: --script needs --headless\n";
        return 2;
    }
    return -1;
}

std::string ModulePath(const Options& options) {
    if (!options.gameDir.empty()) {
        return (std::filesystem::absolute(options.gameDir) / "Corvanth").string();
    }
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

std::unique_ptr<cv::platform::Platform> MakePlatform(const Options& options,
                                                    const std::string& modulePath) {
    if (options.headless) {
        return std::make_unique<cv::platform::HeadlessPlatform>(options.script,
                                                                 cv::VirtualKeyOfKeyName);
    }
    return std::make_unique<cv::platform::SdlPlatform>(cv::FolderOf(modulePath));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (int status = ParseOptions(argc, argv, options); status >= 0) return status;
    if (options.seeded) {
        cv::platform::SetFixedSeed(options.seed);
    } else {
        cv::platform::Srand(static_cast<unsigned>(std::time(nullptr)));
    }
    try {
        const std::string modulePath = ModulePath(options);
        std::unique_ptr<cv::platform::Platform> host = MakePlatform(options, modulePath);
        cv::platform::SetCurrent(host.get());
        cv::GameApplication app(modulePath);
        int status = cv::RunApplication(app);
        cv::platform::SetCurrent(nullptr);
        return status;
    } catch (const cv::platform::ScriptError& error) {
        std::cerr << "Script error: " << error.what() << "\n";
        return 2;
    }
}
