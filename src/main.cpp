#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "app/entry_point.h"
#include "app/game_folders.h"
#include "app/key_codes.h"
#include "audio/sdl/sdl_mixer_audio.h"
#include "platform/display_options.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "platform/sdl/sdl_platform.h"
#include "screens/game_application.h"

namespace {

const char kUsage[] =
    "Usage: Corvanth [options]\n"
    "  --headless         run without a window (input from --script)\n"
    "  --script FILE      headless input script, one command a line\n"
    "  --seed N           seed the random generator with N instead of the clock\n"
    "  --record FILE      write every input of the game to FILE as a script that\n"
    "                     --headless --script replays\n"
    "  --game-dir DIR     use DIR (its Corvanth.CFG, packages and saves) instead of\n"
    "                     the folders the game would choose\n"
    "  --fullscreen       start on the whole screen (F11 or Alt+Enter: back to a window)\n"
    "  --window           start in a window (the default)\n"
    "  --scale N          a window N times 640 x 480 (N from 1 to 8); by default the\n"
    "                     largest that fits the desktop\n"
    "  --help             show this text\n"
    "  --version          show the version\n";

struct Options {
    bool headless = false;
    std::string script;
    std::string record;
    std::string gameDir;
    bool seeded = false;
    unsigned seed = 0;
    cv::platform::DisplayOptions display;
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
        std::string error;
        const int displayArgs =
            cv::platform::ReadDisplayOption(argv + i, argc - i, options.display, error);
        if (displayArgs < 0) {
            std::cerr << "Corvanth: " << error << "\n";
            return 2;
        }
        if (displayArgs > 0) {
            i += displayArgs - 1;
        } else if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (arg == "--version") {
            std::cout << "Corvanth " CORVANTH_VERSION "\n";
            return 0;
        } else if (arg == "--headless") {
            options.headless = true;
        } else if (arg == "--script" && hasValue) {
            options.script = argv[++i];
        } else if (arg == "--record" && hasValue) {
            options.record = argv[++i];
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

cv::GameFolders Folders(const Options& options) {
    const std::string gameDir =
        options.gameDir.empty() ? "" : std::filesystem::absolute(options.gameDir).string();
    return cv::FoldersForProcess(std::filesystem::read_symlink("/proc/self/exe").string(), gameDir);
}

std::unique_ptr<cv::platform::Platform> MakePlatform(const Options& options,
                                                     const cv::GameFolders& folders) {
    if (options.headless) {
        return std::make_unique<cv::platform::HeadlessPlatform>(options.script,
                                                                cv::VirtualKeyOfKeyName);
    }
    return std::make_unique<cv::platform::SdlPlatform>(folders.data, options.display);
}

struct Seed {
    unsigned value = 0;
    bool fixed = false;  // a fixed seed is not replaced by the clock seed of a new game
};

// The command line's seed, else the replayed recording's, else the clock's.
Seed ChooseSeed(const Options& options, const cv::platform::RecordingHeader& replayed) {
    if (options.seeded) return {options.seed, true};
    Seed seed;
    if (ParseSeed(cv::platform::HeaderValue(replayed, "seed"), seed.value)) {
        seed.fixed = cv::platform::HeaderValue(replayed, "fixed seed") == "yes";
        return seed;
    }
    return {static_cast<unsigned>(std::time(nullptr)), false};
}

void WarnOnOtherVersion(const cv::platform::RecordingHeader& replayed) {
    const std::string version = cv::platform::HeaderValue(replayed, "version");
    if (!version.empty() && version != CORVANTH_VERSION) {
        std::cerr << "Corvanth: the script was recorded by version " << version
                  << "; it may play differently\n";
    }
}

std::string KeyNameOfVirtualKey(int virtualKey) {
    return cv::KeyName(cv::KeyCodeOfVirtualKey(virtualKey));
}

// A window game is always recorded in memory, so that a fatal error can keep
// it; a headless game is its own script and is recorded only when asked.
std::unique_ptr<cv::platform::InputRecorder> MakeRecorder(const Options& options, Seed seed) {
    if (options.record.empty() && options.headless) return nullptr;
    std::unique_ptr<std::ofstream> file;
    if (!options.record.empty()) {
        file = std::make_unique<std::ofstream>(options.record, std::ios::binary);
        if (!*file) throw cv::platform::ScriptError("cannot write the recording " + options.record);
    }
    auto recorder =
        std::make_unique<cv::platform::InputRecorder>(std::move(file), KeyNameOfVirtualKey);
    recorder->AddHeader("version", CORVANTH_VERSION);
    recorder->AddHeader("seed", std::to_string(seed.value));
    recorder->AddHeader("fixed seed", seed.fixed ? "yes" : "no");
    return recorder;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (int status = ParseOptions(argc, argv, options); status >= 0) return status;
    try {
        const cv::GameFolders folders = Folders(options);
        std::unique_ptr<cv::platform::Platform> host = MakePlatform(options, folders);
        const cv::platform::RecordingHeader replayed = host->ReplayHeader();
        WarnOnOtherVersion(replayed);
        const Seed seed = ChooseSeed(options, replayed);
        if (seed.fixed) {
            cv::platform::SetFixedSeed(seed.value);
        } else {
            cv::platform::Srand(seed.value);
        }
        host->SetRecorder(MakeRecorder(options, seed));
        cv::platform::SetCurrent(host.get());
        // A headless game stays silent.
        std::unique_ptr<cv::SdlMixerAudio> audio;
        if (!options.headless) audio = std::make_unique<cv::SdlMixerAudio>();
        cv::SetAudio(audio.get());
        cv::GameApplication app(folders);
        int status = cv::RunApplication(app);
        cv::SetAudio(nullptr);
        cv::platform::SetCurrent(nullptr);
        return status;
    } catch (const cv::platform::ScriptError& error) {
        cv::SetAudio(nullptr);
        cv::platform::SetCurrent(nullptr);
        std::cerr << "Script error: " << error.what() << "\n";
        return 2;
    }
}
