#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/file_stream.h"
#include "core/language.h"
#include "core/resource_groups.h"
#include "core/save_game.h"
#include "core/save_recovery.h"
#include "core_test_support.h"
#include "test_game.h"

namespace cv {
namespace {

// Enough game data that a save takes many writes, so kills land inside them.
class BulkyGame : public test::TestGame {
public:
    void WriteChunks(ChunkWriter& out) const override {
        TestGame::WriteChunks(out);
        out.BeginChunk("BULK");
        std::minstd_rand noise(static_cast<unsigned>(gold));
        for (int i = 0; i < kWords; ++i) out.I32(static_cast<int32_t>(noise()));
        out.EndChunk();
    }
    void ReadChunks(ChunkReader& in) override {
        TestGame::ReadChunks(in);
        in.ReadChunkHeader("BULK", "Expected tag BULK", "Bulk");
        for (int i = 0; i < kWords; ++i) in.I32();
        in.EndChunk();
    }

private:
    static constexpr int kWords = 16 * 1024;
};

[[noreturn]] void SaveForever(std::string name) {
    BulkyGame game;
    for (int32_t round = 1;; ++round) {
        game.gold = round;
        game.note = "round " + std::to_string(round);
        SaveGame(game, name);
    }
}

TEST(SaveCrash, AKilledSaveLeavesThePreviousOrTheNewGameNeverNeither) {
    test::ScratchDir dir;
    test::UseFolderAsGame(dir);
    dir.Write("English.lng.txt", test::Utf16File(u"[x]\ny\n"));
    LoadLanguage("English.lng.txt");
    std::string name;
    BulkyGame first;
    first.note = "round 0";
    SaveGame(first, name);

    std::mt19937 moments(17);
    int cutOff = 0;
    for (int round = 0; round < 150; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) SaveForever(name);
        std::this_thread::sleep_for(std::chrono::microseconds(moments() % 20000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        if (FileExists(BackupPath(name))) ++cutOff;

        BulkyGame loaded;
        ASSERT_NO_THROW(LoadGame(name, loaded)) << "after kill " << round;
        EXPECT_EQ(loaded.note, "round " + std::to_string(loaded.gold));
        EXPECT_FALSE(FileExists(BackupPath(name)));
    }
    EXPECT_GT(cutOff, 0) << "no kill landed inside a save";
    ResetLanguage();
    ResetResourceGroups();
}

}  // namespace
}  // namespace cv
