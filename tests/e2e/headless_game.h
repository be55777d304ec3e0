#pragma once

#include <gtest/gtest.h>

#include <filesystem>
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

// A fresh copy of the game folder holding the script "script.txt"; a base
// of FreshGame, so that the folder is ready before the game starts on it.
struct ScriptedFolder {
    explicit ScriptedFolder(const std::string& script);
    TempDir dir;
};

// A headless game, as above, on a fresh copy of the game folder that plays
// `script`.
class FreshGame : private ScriptedFolder, public HeadlessGame {
public:
    explicit FreshGame(const std::string& script)
        : ScriptedFolder(script), HeadlessGame(dir, "script.txt") {}
};

// A copy of the game folder speaking the test's language, the frames of one
// topic kept in the build's frames folder under that language; every test of
// the suite runs in each language the game ships.
class LanguageFrames : public ::testing::TestWithParam<const char*> {
protected:
    void Open(const std::string& topic);
    // The script's lines that take the frame `name` (a PNG file) after a tick.
    std::string Shot(const std::string& name) const;
    Png Frame(const std::string& name) const { return ReadBack(frames / name); }

    std::filesystem::path frames;
    TempDir dir;
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
