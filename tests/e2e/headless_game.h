#pragma once

#include <string>

#include "game/world/running_game.h"
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

// The first cell of the hero's continent from which every cell `left` to the
// west up to `right` to the east, and `below` to the south up to `above` to
// the north, is walkable and not slow; what stands there is taken away.
// Fails the test when there is none.
Cell OpenGround(RunningGame& game, int left = 2, int right = 2, int below = 2, int above = 2);

// A new object of the type put on the hero's continent.
template <class Object>
Ref<Object> Place(RunningGame& game, Cell cell, const std::string& name = {}) {
    auto object = MakeRef<Object>();
    object->SetName(name);
    object->SetCell(cell);
    game.here().AddObject(object);
    return object;
}

}  // namespace cv::e2e
