// The real game, started straight into a new game on the adventure screen:
// the title's way there passes screens that are built later. Takes the
// game's own options (--headless, --seed, --game-dir, --script).
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/entry_point.h"
#include "app/key_codes.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/adventure_screen.h"
#include "screens/game_application.h"
#include "screens/new_game.h"

namespace {

class NewGameApplication : public cv::GameApplication {
public:
    using GameApplication::GameApplication;
    bool Init() override {
        if (!GameApplication::Init()) return false;
        cv::StartNewGame();
        SetScreen(&cv::AdventureScreen());
        return true;
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string gameDir, script;
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--game-dir") gameDir = argv[++i];
        if (option == "--script") script = argv[++i];
        if (option == "--seed") cv::platform::SetFixedSeed(std::strtoul(argv[++i], nullptr, 10));
    }
    if (gameDir.empty()) {
        std::cerr << "adventure_driver: --game-dir DIR is required\n";
        return 2;
    }
    cv::platform::HeadlessPlatform host(script, cv::VirtualKeyOfKeyName);
    cv::platform::SetCurrent(&host);
    NewGameApplication app((std::filesystem::absolute(gameDir) / "Corvanth").string());
    const int status = cv::RunApplication(app);
    cv::platform::SetCurrent(nullptr);
    return status;
}
