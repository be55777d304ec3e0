#include "core/save_game.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <tuple>

#include "core/byte_io.h"
#include "core/language.h"
#include "core/memory_stream.h"
#include "core/resource_groups.h"
#include "core/save_format.h"
#include "core/save_info.h"
#include "core/settings.h"
#include "core_test_support.h"
#include "platform/platform.h"
#include "support/error_of.h"
#include "test_game.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::ScratchDir;
using test::TestGame;
using test::Utf16File;

uint32_t U32At(const std::string& bytes, size_t at) {
    return LoadU32(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
}

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

std::string ChunksOf(const SaveableGame& game) {
    MemoryStream chunks;
    ChunkWriter writer(chunks);
    game.WriteChunks(writer);
    return std::string(chunks.bytes().begin(), chunks.bytes().end());
}

class SaveGameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::UseFolderAsGame(dir);
        Ref<ResourceGroup> french = MakeRef<ResourceGroup>("French");
        french->Add(MakeRef<DirectorySource>("French", dir / "French/"));
        RegisterGroup(french);
        dir.Write("English.lng.txt", Utf16File(u"[x]\ny\n"));
        dir.Write("French/French.lng.txt",
                  Utf16File(u"[<NAME> the <TITLE>]\n<TITLE> <NAME>\n[<NAME> the <TITLE>|F]\nf\n"));
        LoadLanguage("English.lng.txt");
        CurrentSaveName().clear();
        game.gold = -77;
        game.note = "north of the river";
    }
    void TearDown() override {
        ResetLanguage();
        ResetResourceGroups();
        CurrentSaveName().clear();
    }
    std::vector<std::string> Saves() {
        std::vector<std::string> names = ListSaves();
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string LoadError(const std::string& bytes) {
        dir.Write("bad.sav", bytes);
        return ErrorOf([&] {
            TestGame loaded;
            LoadGame("bad", loaded);
            ReadSaveInfo("bad");
        });
    }

    ScratchDir dir;
    TestGame game;
};

TEST_F(SaveGameTest, WritesTheContainerAndReadsTheGameBack) {
    SaveGame(game);
    EXPECT_EQ(CurrentSaveName(), "1");
    const std::string bytes = dir.Read("1.sav");
    EXPECT_EQ(bytes.substr(0, 12), std::string("CVSave\0\0\0\0\0\0", 12));
    EXPECT_EQ(U32At(bytes, 12), 1u);  // version
    EXPECT_EQ(U32At(bytes, 16), bytes.size());
    EXPECT_EQ(bytes.substr(48, 17), std::string("\x0f\x00"
                                                "English.lng.txt",
                                                17));
    EXPECT_EQ(U32At(bytes, 20), 65u);  // the info block follows the language name
    EXPECT_EQ(U32At(bytes, 28), U32At(bytes, 20) + U32At(bytes, 24));
    EXPECT_EQ(U32At(bytes, 32), bytes.size() - U32At(bytes, 28));
    EXPECT_EQ(U32At(bytes, 36), 1u);  // compressed

    // Any zlib turns the stored game data back into the chunk stream.
    const size_t data = U32At(bytes, 28);
    std::string chunks(U32At(bytes, data), '\0');
    uLongf unpacked = chunks.size();
    ASSERT_EQ(
        uncompress(reinterpret_cast<Bytef*>(chunks.data()), &unpacked,
                   reinterpret_cast<const Bytef*>(bytes.data()) + data + 4, U32At(bytes, 32) - 4),
        Z_OK);
    EXPECT_EQ(chunks, ChunksOf(game));
    // Game data stored as it is (not compressed) is read too.
    std::string plain = bytes.substr(0, data) + chunks;
    PutU32(plain, 32, static_cast<uint32_t>(chunks.size()));
    PutU32(plain, 36, 0);
    dir.Write("plain.sav", plain);

    const platform::LocalTime now = platform::SystemLocalTime();
    const SaveEntry entry = ReadSaveInfo("1");
    EXPECT_EQ(std::tie(entry.portrait, entry.language, entry.year, entry.month),
              std::make_tuple("Img\\Heroes\\Paladin", "English", now.year, now.month));
    EXPECT_EQ(entry.displayName + u"|" + entry.difficulty + u"|" + entry.daysLeft,
              u"Ada the Knight-Errant|2|321");

    for (const char* name : {"plain", "1"}) {  // the last load names the next save
        TestGame loaded;
        LoadGame(name, loaded);
        EXPECT_EQ(loaded.gold, -77) << name;
        EXPECT_EQ(loaded.note, "north of the river") << name;
    }

    game.gold = 1;
    SaveGame(game);  // the same name again: one save, no backup left
    EXPECT_EQ(Saves(), (std::vector<std::string>{"1", "plain"}));
    EXPECT_FALSE(dir.Has("1.sav.bak"));
    TestGame loaded;
    LoadGame("1", loaded);
    EXPECT_EQ(loaded.gold, 1);
}

TEST_F(SaveGameTest, NamesNumberingListingAndErasing) {
    dir.Write("1.sav", "x");
    dir.Write("2.sav", "x");
    dir.Write("Old.SAV", "x");
    dir.Write("keep.sav.bak", "x");
    dir.Write("notes.txt", "x");
    dir.Write("folder.sav/inside", "x");
    EXPECT_EQ(NewSaveName(), "3");
    SaveGame(game);
    EXPECT_EQ(CurrentSaveName(), "3");
    EXPECT_EQ(Saves(), (std::vector<std::string>{"1", "2", "3", "Old"}));
    dir.Write("3.sav.bak", "older");
    EraseSave("3");
    EXPECT_FALSE(dir.Has("3.sav"));
    EXPECT_TRUE(dir.Has("3.sav.bak"));
    EXPECT_EQ(NewSaveName(), "3");
}

TEST_F(SaveGameTest, AFailedWriteKeepsThePreviousSaveAsBackup) {
    SaveGame(game);
    const std::string first = dir.Read("1.sav");
    game.note = std::string(300, 'n');  // a stored string that cannot be written
    EXPECT_EQ(ErrorOf([&] { SaveGame(game); }).rfind("Stored string longer than 255 bytes", 0), 0u);
    EXPECT_EQ(dir.Read("1.sav.bak"), first);
    game.note = "fine";
    SaveGame(game);
    EXPECT_FALSE(dir.Has("1.sav.bak"));
    TestGame loaded;
    LoadGame("1", loaded);
    EXPECT_EQ(loaded.note, "fine");
}

TEST_F(SaveGameTest, LoadingSwitchesBackToTheSavesLanguage) {
    LoadLanguage("French.lng.txt");
    SaveGame(game);
    EXPECT_EQ(ReadSaveInfo("1").displayName, u"Knight-Errant Ada");
    LoadLanguage("English.lng.txt");
    TestGame loaded;
    LoadGame("1", loaded);
    EXPECT_EQ(CurrentLanguage(), "French");

    LoadLanguage("English.lng.txt");
    std::filesystem::remove(dir / "French/French.lng.txt");
    LoadGame("1", loaded);  // gone: the language stays
    EXPECT_EQ(CurrentLanguage(), "English");
    EXPECT_EQ(loaded.gold, -77);
}

TEST_F(SaveGameTest, InfoRecordsAndDates) {
    SaveGame(game);
    std::string bytes = dir.Read("1.sav");
    const size_t name = bytes.find("Name");
    bytes.replace(name, 4, "Nome");  // an unknown key is skipped
    PutU32(bytes, 40, 2031 * 65536 + 11 * 256 + 30);
    PutU32(bytes, 44, 7 * 256 + 5);
    dir.Write("Renamed.sav", bytes);
    SaveEntry entry = ReadSaveInfo("Renamed");
    EXPECT_EQ(entry.displayName, u"Renamed");
    EXPECT_EQ(entry.daysLeft, u"321");
    EXPECT_EQ(entry.DateText(), " 7:05  31.12.2031");
    SaveEntry later = entry;
    later.minute = 6;
    EXPECT_TRUE(SavedBefore(entry, later));
    EXPECT_FALSE(SavedBefore(later, entry));
    later.year = 2030;
    EXPECT_TRUE(SavedBefore(later, entry));
}

TEST_F(SaveGameTest, BadSavesAreRefusedWithClearMessages) {
    SaveGame(game);
    const std::string good = dir.Read("1.sav");
    const std::string path = dir / "bad.sav";
    const std::string corrupted = "Invalid  format or save corrupted: ";
    auto patched = [&](size_t at, uint32_t value) {
        std::string bytes = good;
        PutU32(bytes, at, value);
        return bytes;
    };
    EXPECT_EQ(ErrorOf([&] {
                  TestGame g;
                  LoadGame("missing", g);
              }),
              "Open error in " + (dir / "missing.sav"));
    EXPECT_EQ(LoadError(patched(12, 2)), "Invalid object version 00000002: Game Save data");
    EXPECT_EQ(LoadError(good.substr(0, 40)), corrupted + "header cut short in " + path);
    EXPECT_EQ(LoadError(good.substr(0, 49)), corrupted + "language name cut short in " + path);
    std::string longName = good;
    longName[49] = 1;  // 256 bytes
    EXPECT_EQ(LoadError(longName), corrupted + "language name longer than 255 bytes in " + path);
    EXPECT_EQ(LoadError(patched(28, 0xFFFFFFF0)),
              corrupted + "game data outside the file in " + path);
    EXPECT_EQ(LoadError(good.substr(0, good.size() - 1)),
              corrupted + "game data outside the file in " + path);
    const uint32_t data = U32At(good, 28);
    EXPECT_EQ(LoadError(patched(data, 0x7FFFFFFF)),
              corrupted + "game data of " + path + " claims 2147483647 bytes from " +
                  std::to_string(good.size() - data) + " stored");
    // A stream that yields nothing leaves zeros, which are no chunk.
    std::string garbled = good;
    std::fill(garbled.begin() + data + 4, garbled.end(), 'z');
    EXPECT_EQ(LoadError(garbled), corrupted + "Expected tag TEST");
    EXPECT_EQ(LoadError(patched(24, 3)), corrupted + "info record past its block in " + path);
    EXPECT_EQ(LoadError(patched(20, 0xFFFFFF00)),
              corrupted + "info block outside the file in " + path);
}

}  // namespace
}  // namespace cv
