#pragma once

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "game/model/game_ui.h"

namespace cv::test {

template <class F>
std::string ErrorOf(F f) {
    try {
        f();
    } catch (const EngineError& e) {
        return e.what();
    }
    return "no error";
}

// Plays the screens: keeps what the rules show in order, and lets the test
// answer the oldest box or screen.
class FakeUi : public GameUi {
public:
    struct Shown {
        std::string screen;  // the form's name; empty for a message box
        GameMessage message;
        AnswerHandler then;
        std::string Text() const;
    };

    FakeUi() { SetUi(this); }
    ~FakeUi() override { SetUi(nullptr); }

    void ShowMessage(const GameMessage& message, AnswerHandler then) override;
    void OpenScreen(const std::string& name, AnswerHandler then) override;
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override;
    void NotifyActiveForm(const std::string& message) override { notes.push_back(message); }
    bool AdventureIsCurrent() const override { return open.empty(); }

    // Closes the oldest open box or screen with `answer` and returns it.
    Shown Answer(const std::string& answer);
    // The text of the oldest open box (UTF-8), or "" when none is open.
    std::string FrontText() const;

    std::deque<Shown> open;
    std::vector<std::string> notes;
    std::vector<Ref<Army>> battles;
};

// The rules the model tests run on: a dozen units with every ability, one
// hero class, time, scores, combat parameters, artifacts and terrain kinds.
extern const char* const kTestRules;

// Parses `text` into a fresh Root and loads the unit tables from it.
void LoadRules(const std::string& text);

// A "Maps" node with the continent "Isle" (index 0), for kTestRules.
extern const char* const kTestMaps;

// The terrain of the test continent "Isle": water, with a small island in the
// lower left corner that reaches the left edge (rows from y = 5 down to 0):
//   "......~~"    '.' grass (kind 1), ':' slow (2), '#' rock (4),
//   ".:::..~~"    '=' water that takes a bridge (3), '~' water (0)
//   "..##..=~"
//   "......~~"
//   "~~~~~~~~"
//   "~~~~~~~~"
std::string IsleTerrain();

// A 64 x 64 continent for the real rules: sea around grass from 3 to 60,
// with a swamp patch (kind 4) and a mountain ridge (kind 2).
std::string MainlandTerrain();

// The rules file of the game, read whole.
std::string RulesFileText();

// The bytes of a language file: byte order mark, then UTF-16LE of `text`.
std::string LanguageFile(const std::u16string& text);

// A resource folder holding "Terr\<id>.cvmap" files, registered as the
// default resource group while it lives.
class TerrainFolder {
public:
    TerrainFolder();
    ~TerrainFolder();
    // "Terr/<id>.cvmap".
    void Write(const std::string& id, const std::string& bytes) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace cv::test
