#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/memory_stream.h"
#include "core/save_chunks.h"
#include "core_test_support.h"
#include "game/model/game_ui.h"
#include "game/model/hero.h"
#include "game/world/running_game.h"
#include "platform/runtime_rand.h"
#include "support/error_of.h"

namespace cv::test {

// Plays the screens: keeps what the rules show in order, and lets the test
// answer the oldest box or screen.
class FakeUi : public GameUi {
public:
    struct Shown {
        std::string screen;  // the form's name; empty for a message box
        GameMessage message;
        AnswerHandler then;
        Ref<RefCounted> subject;  // what a screen opened for something is about
    };

    FakeUi() { SetUi(this); }
    ~FakeUi() override { SetUi(nullptr); }

    void ShowMessage(const GameMessage& message, AnswerHandler then) override;
    void OpenScreen(const std::string& name, AnswerHandler then) override;
    void OpenScreenFor(const std::string& name, Ref<RefCounted> subject,
                       AnswerHandler then) override;
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override;
    // Kept in `sieges` for the test to fight out.
    void StartSiege(Ref<Army> garrison, std::function<std::u16string(std::u16string)> victoryText,
                    std::function<void(BattleOutcome)> then) override;
    void NotifyActiveForm(const std::string& message) override { notes.push_back(message); }
    bool AdventureIsCurrent() const override { return open.empty(); }

    // Closes the oldest open box or screen with `answer`.
    void Answer(const std::string& answer);
    // The text of the oldest open box (UTF-8), or "" when none is open.
    std::string FrontText() const;

    struct Siege {
        Ref<Army> garrison;
        std::function<std::u16string(std::u16string)> victoryText;
        std::function<void(BattleOutcome)> then;
    };

    std::deque<Shown> open;
    std::vector<std::string> notes;
    std::vector<Siege> sieges;
};

// The rules the model tests run on: a dozen units with every ability, two
// hero classes, time, scores, combat parameters, artifacts and terrain kinds.
extern const char* const kTestRules;
// A "Maps" node with the continent "Isle" (index 0), for kTestRules.
extern const char* const kTestMaps;

// Parses `text` into a fresh Root and loads the unit tables from it.
void LoadRules(const std::string& text);

// kTestRules with kTestMaps, unit tables and terrain kinds loaded.
void LoadIsleRules();

// The test rules loaded, a new knight "Arthur" of difficulty 1 and screens that record.
class WithKnight : public ::testing::Test {
protected:
    void SetUp() override {
        LoadRules(kTestRules);
        hero->Create("Knight", u"Arthur", 0, 1);
    }
    FakeUi ui;
    Ref<Hero> hero = MakeRef<Hero>();
};

// The terrain of the test continent "Isle": water, with a small island in the
// lower left corner that reaches the left edge (rows from y = 5 down to 0):
//   "......~~"    '.' grass (kind 1), ':' slow (2), '#' rock (4),
//   ".:::..~~"    '=' water that takes a bridge (3), '~' water (0)
//   "..##..=~"
//   "......~~"
//   "~~~~~~~~"
//   "~~~~~~~~"
std::string IsleTerrain();

// A scratch game folder: the default resource group, AppDir and CFG while it lives.
class GameFolder : public ScratchDir {
public:
    GameFolder() { UseFolderAsGame(*this); }
    ~GameFolder();
    void WriteTerrain(const std::string& id, const std::string& bytes) const {
        Write("Terr/" + id + ".cvmap", bytes);
    }
};

// A new game of a knight "Arthur" standing at (2, 2) on the test island,
// shown on screens of type `Screens` that record.
template <class Screens = FakeUi>
class KnightOnIsle : public ::testing::Test {
protected:
    void SetUp() override {
        LoadIsleRules();
        Parse(*Root(), "StartHero { X0 = 2 Y0 = 2 }");
        folder.WriteTerrain("Isle", IsleTerrain());
        // The sceptre's hiding place is drawn: the same whatever ran before.
        platform::Srand(1);
        game = RunningGame::NewGame("Knight", u"Arthur", 0, 1);
    }
    Hero& hero() { return game->hero(); }

    GameFolder folder;
    Screens ui;
    Ref<RunningGame> game;
};

// An army read from its text form.
inline Ref<Army> ArmyOf(const std::string& text) {
    auto army = MakeRef<Army>();
    army->Parse(text);
    return army;
}

// The bytes `object.Save` writes.
template <class Saveable>
std::vector<uint8_t> SavedBytes(const Saveable& object) {
    MemoryStream data;
    ChunkWriter out(data);
    object.Save(out);
    return data.bytes();
}

// Hands `read` a chunk reader over `bytes`.
template <class Read>
void ReadBytes(const std::vector<uint8_t>& bytes, Read read) {
    MemoryStream data;
    data.Write(bytes.data(), bytes.size());
    data.Seek(0);
    ChunkReader in(data);
    read(in);
}

// A world read back from the bytes `World::Save` wrote, over the rules in Root.
inline World LoadedWorld(const std::vector<uint8_t>& bytes) {
    World loaded;
    ReadBytes(bytes, [&](ChunkReader& in) { loaded.Load(in, Root()); });
    return loaded;
}

// The chunks of a game's save, and a game read back from them.
std::vector<uint8_t> SavedGame(const RunningGame& game);
Ref<RunningGame> LoadedGame(const std::vector<uint8_t>& bytes);

// `bytes` with `patch` written over them from `at`.
std::vector<uint8_t> Patched(std::vector<uint8_t> bytes, size_t at, const std::string& patch);

// A little-endian number and text inside saved bytes.
uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at);
std::string TextAt(const std::vector<uint8_t>& bytes, size_t at, size_t n);

extern const char* const kCorrupted;  // the save-format error's prefix

}  // namespace cv::test
