#include "headless_game.h"

#include "app/key_codes.h"
#include "platform/runtime_rand.h"
#include "screens/adventure_screen.h"
#include "screens/game_data_init.h"
#include "screens/game_session.h"
#include "screens/new_game.h"

namespace cv::e2e {

HeadlessGame::HeadlessGame(const TempDir& dir, const std::string& script)
    : host_((dir / script).string(), VirtualKeyOfKeyName), app_((dir / "Corvanth").string()) {
    platform::SetFixedSeed(11);
    platform::SetCurrent(&host_);
    started_ = app_.Init();
    if (!started_) return;
    TheNewGameChoices() = NewGameChoices{u"Arthur", "Knight", 0, 1};
    StartNewGame(PackagedRules());
    app_.SetScreen(&AdventureScreen());
}

HeadlessGame::~HeadlessGame() {
    platform::SetCurrent(nullptr);
}

void HeadlessGame::Play() {
    app_.Run();
    app_.Exit();
}

}  // namespace cv::e2e
