#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game_run.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;

// The game runs as a child of the test: it sees the test's environment.
class Environment {
public:
    void Set(const char* name, const std::string& value) {
        Keep(name);
        setenv(name, value.c_str(), 1);
    }
    void Unset(const char* name) {
        Keep(name);
        unsetenv(name);
    }
    ~Environment() {
        for (const auto& [name, value] : kept_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }

private:
    void Keep(const char* name) {
        const char* value = getenv(name);
        kept_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> kept_;
};

// An installed layout: the executable in games/, the data in share/games/corvanth/.
TEST(Files, AnInstalledGameKeepsItsFilesInTheXdgFoldersAndF12ShootsTheFrame) {
    TempDir root;
    const fs::path data = root / "share/games/corvanth";
    fs::create_directories(data);
    fs::create_directories(root / "games");
    CopyGameFolderTo(data);
    fs::copy_file(CORVANTH_EXE, root / "games/Corvanth");
    Environment env;
    env.Set("HOME", (root / "home").string());
    env.Unset("XDG_CONFIG_HOME");
    env.Unset("XDG_DATA_HOME");
    env.Set("XDG_PICTURES_DIR", (root / "pics").string());
    root.Write("script.txt",
               "tick 1\nkey Esc\ntick 1\nkey F12\ntick 1\n"
               "keydown LShift\nkey F12\nkeyup LShift\ntick 1\nquit\n");

    RunResult r = RunProgram((root / "games/Corvanth").string(),
                             {"--headless", "--seed", "1", "--script", root / "script.txt"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(root / "home/.config/corvanth/Corvanth.CFG"));
    EXPECT_TRUE(fs::is_directory(root / "home/.local/share/corvanth/saves"));
    // Headless there is no window: Shift gives the game's own size as well.
    for (const char* shot : {"Screenshot.png", "Screenshot-2.png"}) {
        Png png = ReadBack(root / "pics/corvanth" / shot);
        EXPECT_EQ(png.width, 640) << shot;
        EXPECT_EQ(png.height, 480) << shot;
    }
    EXPECT_FALSE(fs::exists(data / "Screenshot.png"));
}

}  // namespace
}  // namespace cv::e2e
