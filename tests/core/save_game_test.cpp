#include "core/save_game.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "core/byte_io.h"
#include "core/language.h"
#include "core/resource_groups.h"
#include "core/save_damage.h"
#include "core/save_info.h"
#include "core_test_support.h"
#include "platform/platform.h"
#include "support/error_of.h"
#include "test_game.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::TestGame;
using test::Utf16File;

uint32_t U32At(const std::string& bytes, size_t at) {
    return LoadU32(reinterpret_cast<const uint8_t*>(bytes.data()) + at);
}

std::string Patched(std::string bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
    return bytes;
}

// The message of the DamagedSave `action` raises; any other error fails the test.
template <class Action>
std::string DamageOf(Action action) {
    try {
        action();
    } catch (const DamagedSave& e) {
        return e.what();
    }
    return "no error";
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
        game.gold = -77;
        game.note = "north of the river";
    }
    void TearDown() override {
        ResetLanguage();
        ResetResourceGroups();
    }
    // The gold and note of the save `name`, loaded into a fresh game.
    std::string Loaded(const std::string& name) {
        TestGame loaded;
        LoadGame(name, loaded);
        return std::to_string(loaded.gold) + " " + loaded.note;
    }

    test::ScratchDir dir;
    TestGame game;
    std::string saveName;
};

TEST_F(SaveGameTest, WritesTheContainerAndReadsTheGameBack) {
    SaveGame(game, saveName);
    EXPECT_EQ(saveName, "1");
    const std::string bytes = dir.Read("1.sav");
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    EXPECT_EQ(bytes.substr(0, 12) + bytes.substr(48, 17),
              std::string("CVSave\0\0\0\0\0\0\x0f\0English.lng.txt", 29));
    // Version, total length, info block (the four records and "Week", odd keys padded), game data,
    // compressed.
    std::vector<uint32_t> fields;
    for (size_t at = 12; at < 40; at += 4) fields.push_back(U32At(bytes, at));
    EXPECT_EQ(fields, (std::vector<uint32_t>{1, size, 65, 120, 185, size - 185, 1}));

    // Any zlib turns the stored game data back into the chunk stream, which
    // also loads when stored as it is (not compressed).
    std::string chunks(U32At(bytes, 185), '\0');
    uLongf unpacked = chunks.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(chunks.data()), &unpacked,
                         reinterpret_cast<const Bytef*>(bytes.data()) + 189, size - 189),
              Z_OK);
    const uint32_t chunkSize = static_cast<uint32_t>(chunks.size());
    dir.Write("plain.sav", Patched(Patched(bytes.substr(0, 185), 32, chunkSize), 36, 0) + chunks);
    EXPECT_EQ(Loaded("plain"), "-77 north of the river");
    EXPECT_EQ(Loaded("1"), "-77 north of the river");

    const platform::LocalTime now = platform::SystemLocalTime();
    SaveEntry entry = ReadSaveInfo("1");
    EXPECT_EQ(std::tie(entry.portrait, entry.language, entry.year, entry.month),
              std::make_tuple("Img\\Heroes\\Paladin", "English", now.year, now.month));
    EXPECT_EQ(entry.displayName + u"|" + entry.difficulty + u"|" + entry.daysLeft,
              u"Ada the Knight-Errant|2|321");

    // An unknown record is skipped; the date and time come from the header.
    std::string renamed =
        Patched(Patched(bytes, 40, 2031 * 65536 + 11 * 256 + 30), 44, 7 * 256 + 5);
    renamed.replace(renamed.find("Name"), 4, "Nome");
    dir.Write("Renamed.sav", renamed);
    SaveEntry later = ReadSaveInfo("Renamed");
    EXPECT_EQ(later.displayName + u"|" + later.daysLeft, u"Renamed|321");
    EXPECT_EQ(later.DateText(), " 7:05  31.12.2031");
    SaveEntry earlier = later;  // the year counts before the minute
    earlier.year = 2030;
    earlier.minute = 6;
    EXPECT_TRUE(SavedBefore(earlier, later));
    EXPECT_FALSE(SavedBefore(later, earlier));
}

TEST_F(SaveGameTest, NamesNumberingListingAndErasing) {
    for (const char* name : {"1.sav", "2.sav", "Old.SAV", "keep.sav.bak", "notes.txt", "d.sav/x"})
        dir.Write(name, "x");
    EXPECT_EQ(NewSaveName(), "3");
    SaveGame(game, saveName);
    EXPECT_EQ(saveName, "3");
    std::vector<std::string> saves = ListSaves();
    std::sort(saves.begin(), saves.end());
    EXPECT_EQ(saves, (std::vector<std::string>{"1", "2", "3", "Old"}));
    dir.Write("3.sav.bak", "older");
    EraseSave("3");  // the backup too, or it would come back as the save
    EXPECT_FALSE(dir.Has("3.sav") || dir.Has("3.sav.bak"));
    EXPECT_EQ(NewSaveName(), "3");
}

TEST_F(SaveGameTest, AFailedWriteKeepsThePreviousSaveAsBackup) {
    SaveGame(game, saveName);
    const std::string first = dir.Read("1.sav");
    game.note = std::string(300, 'n');  // a stored string that cannot be written
    EXPECT_EQ(
        ErrorOf([&] { SaveGame(game, saveName); }).rfind("Stored string longer than 255 bytes", 0),
        0u);
    EXPECT_EQ(dir.Read("1.sav.bak"), first);
    game.note = "fine";
    SaveGame(game, saveName);  // the same name again
    EXPECT_FALSE(dir.Has("1.sav.bak"));
    EXPECT_EQ(Loaded("1"), "-77 fine");
}

TEST_F(SaveGameTest, LoadingSwitchesBackToTheSavesLanguage) {
    LoadLanguage("French.lng.txt");
    SaveGame(game, saveName);
    EXPECT_EQ(ReadSaveInfo("1").displayName, u"Knight-Errant Ada");
    LoadLanguage("English.lng.txt");
    Loaded("1");
    EXPECT_EQ(CurrentLanguage(), "French");

    LoadLanguage("English.lng.txt");
    std::filesystem::remove(dir / "French/French.lng.txt");
    EXPECT_EQ(Loaded("1"), "-77 north of the river");  // gone: the language stays
    EXPECT_EQ(CurrentLanguage(), "English");
}

TEST_F(SaveGameTest, BadSavesAreRefusedWithClearMessages) {
    SaveGame(game, saveName);
    const std::string good = dir.Read("1.sav");
    const std::string path = dir / "bad.sav";
    const std::string corrupted = "Invalid  format or save corrupted: ";
    const uint32_t data = U32At(good, 28);
    // A stream that breaks off or fails its checksum is refused, whatever it gave.
    const std::string garbled = good.substr(0, data + 4) + std::string(good.size() - data - 4, 'z');
    const uint32_t unpacked = U32At(good, data);
    const std::string broken = corrupted + "game data of " + path + " does not unpack to its ";
    std::string badChecksum = good;
    badChecksum.back() = static_cast<char>(badChecksum.back() ^ 1);
    const std::pair<std::string, std::string> cases[] = {
        {Patched(good, 12, 2), "Invalid object version 00000002: Game Save data"},
        {good.substr(0, 49), corrupted + "language name cut short in " + path},
        {Patched(good, 48, 256), corrupted + "language name longer than 255 bytes in " + path},
        {Patched(good, 28, 0xFFFFFFF0), corrupted + "game data outside the file in " + path},
        {Patched(good, data, 0x7FFFFFFF), corrupted + "game data of " + path +
                                              " claims 2147483647 bytes from " +
                                              std::to_string(good.size() - data) + " stored"},
        {garbled, broken + std::to_string(unpacked) + " bytes"},
        {badChecksum, broken + std::to_string(unpacked) + " bytes"},
        {Patched(good, data, unpacked + 1), broken + std::to_string(unpacked + 1) + " bytes"},
        {Patched(good, data, unpacked - 1), broken + std::to_string(unpacked - 1) + " bytes"},
        {Patched(good, 24, 3), corrupted + "info record past its block in " + path},
        {Patched(good, 20, 0xFFFFFF00), corrupted + "info block outside the file in " + path}};
    for (const auto& [bytes, message] : cases) {
        dir.Write("bad.sav", bytes);
        EXPECT_EQ(DamageOf([&] {
                      Loaded("bad");
                      ReadSaveInfo("bad");
                  }),
                  message);
    }
}

TEST_F(SaveGameTest, ASaveWhoseExtensionDiffersInCaseIsLoadedNumberedAndErased) {
    SaveGame(game, saveName);
    std::filesystem::rename(dir / "1.sav", dir / "1.SAV");
    EXPECT_EQ(ListSaves(), std::vector<std::string>{"1"});
    EXPECT_EQ(NewSaveName(), "2");
    EXPECT_EQ(Loaded("1"), "-77 north of the river");
    EXPECT_EQ(ReadSaveInfo("1").daysLeft, u"321");
    game.note = "again";
    SaveGame(game, saveName);  // over the same save: one file, no backup left
    EXPECT_EQ(ListSaves(), std::vector<std::string>{"1"});
    EXPECT_FALSE(dir.Has("1.sav.bak") || dir.Has("1.SAV.bak"));
    EXPECT_EQ(Loaded("1"), "-77 again");
    std::filesystem::rename(dir / "1.sav", dir / "1.Sav");
    EraseSave("1");
    EXPECT_TRUE(ListSaves().empty());
}

// What the process has read from files so far, or -1 where Linux does not say.
long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") return value;
    }
    return -1;
}

TEST_F(SaveGameTest, TheLoadListReadsNoGameData) {
    SaveGame(game, saveName);
    std::string bytes = dir.Read("1.sav");
    const uint32_t dataOffset = U32At(bytes, 28);
    bytes.resize(size_t{4} << 20);  // a long game: 4 MB of game data
    dir.Write("1.sav", Patched(Patched(bytes, 16, 4u << 20), 32, (4u << 20) - dataOffset));
    const long long before = BytesReadSoFar();
    if (before < 0) GTEST_SKIP() << "no /proc/self/io";
    const SaveEntry entry = ReadSaveInfo("1");
    EXPECT_LT(BytesReadSoFar() - before, 64 * 1024);
    EXPECT_EQ(entry.displayName + u"|" + entry.daysLeft, u"Ada the Knight-Errant|321");
}

TEST_F(SaveGameTest, AnInterruptedSaveIsMendedFromItsBackupOnlyWhenThatHelps) {
    SaveGame(game, saveName);
    const std::string older = dir.Read("1.sav");
    game.note = "newer";
    SaveGame(game, saveName);
    const std::string newer = dir.Read("1.sav");
    const std::string cut = newer.substr(0, newer.size() - 1), junk = "junk";
    struct Case {
        const char* what;
        const std::string *save, *backup;  // nullptr: no file
        std::string expectedSave;
        bool backupKept;
    };
    const Case cases[] = {
        {"cut off: the backup comes back", &cut, &older, older, false},
        {"killed before the new file: the backup comes back", nullptr, &older, older, false},
        {"killed before the backup went: the new save stays", &newer, &older, newer, false},
        {"a damaged backup changes nothing", &cut, &junk, cut, true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "1.sav");
        if (c.save) dir.Write("1.sav", *c.save);
        dir.Write("1.sav.bak", *c.backup);
        EXPECT_EQ(ListSaves(), std::vector<std::string>{"1"}) << c.what;
        EXPECT_EQ(dir.Read("1.sav"), c.expectedSave) << c.what;
        EXPECT_EQ(dir.Has("1.sav.bak"), c.backupKept) << c.what;
    }
}

}  // namespace
}  // namespace cv
