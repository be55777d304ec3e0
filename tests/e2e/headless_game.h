#pragma once

#include <string>

#include "game_run.h"
#include "platform/headless/headless_platform.h"
#include "screens/game_application.h"

namespace cv::e2e {

// The game run in this process, headless and seeded, on the game folder in
// `dir` and the script file `script`: a new knight "Arthur" stands on the
// map for the test to set up before Play runs the script to its end.
class HeadlessGame {
public:
    HeadlessGame(const TempDir& dir, const std::string& script);
    ~HeadlessGame();

    // False when the game could not start; then there is nothing to play.
    bool started() const { return started_; }
    void Play();

private:
    platform::HeadlessPlatform host_;
    GameApplication app_;
    bool started_ = false;
};

}  // namespace cv::e2e
