#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/file_stream.h"
#include "core/package.h"
#include "core/save_game.h"
#include "core/settings.h"
#include "game_run.h"
#include "independent_package_reader.h"
#include "test_game.h"

namespace cv::e2e {
namespace {

// Picture-like and text files, with equal contents under different names.
std::map<std::string, std::string> SampleFiles() {
    std::string picture;
    for (int i = 0; i < 9000; ++i) picture += static_cast<char>((i * 7) ^ (i >> 5));
    return {{"Img/Heroes/Knight.s16", picture},
            {"Img/Heroes/Copy of Knight.s16", picture},
            {"Forms/Title/form.txt", "Title { Button { Text=\"Start\" } }\n"},
            {"Forms/Load/form.txt", "Title { Button { Text=\"Start\" } }\n"},
            {"Empty.txt", ""},
            {"map.ini", std::string(4096, 'm')},
            {"UPPER/Case.TXT", "Mixed case names keep their case"}};
}

std::string EntryName(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::string Pack(const TempDir& dir, const std::string& flags) {
    for (const auto& [path, content] : SampleFiles()) dir.Write("src/" + path, content);
    RunResult r =
        RunProgram(CORVANTH_PACK_TOOL, "create " + flags + " '" + (dir / "t.pak").string() + "' '" +
                                           (dir / "src").string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
}

TEST(PackTool, BothReadersGetEveryEntryAndSharedBlocksBack) {
    TempDir dir;
    size_t unpacked = 0;
    for (const auto& [path, content] : SampleFiles()) unpacked += content.size();
    const std::string printed = Pack(dir, "--dedup --compress");
    EXPECT_EQ(printed.rfind("Use ZIP compression...\nUnpack size: " + std::to_string(unpacked) +
                                ", compressed: ",
                            0),
              0u)
        << printed;
    const std::string bytes = dir.Read("t.pak");
    RawPackage raw = ReadPackageIndependently(bytes);
    EXPECT_EQ(raw.first, 0u);
    EXPECT_EQ(raw.totalLength, bytes.size());
    EXPECT_EQ(raw.directoryOffset, 20u);
    EXPECT_EQ(raw.compressed, 1u);
    ASSERT_EQ(raw.count, SampleFiles().size());

    std::map<std::string, RawEntry> byName;
    for (const RawEntry& entry : raw.entries) byName[entry.name] = entry;
    std::map<std::string, uint32_t> blockOf;  // content -> data offset
    for (const auto& [path, content] : SampleFiles()) {
        const RawEntry& entry = byName.at(EntryName(path));
        EXPECT_EQ(entry.content, content) << path;
        EXPECT_EQ((entry.offset - raw.dataStart) % 16, 0u) << path;
        auto [block, fresh] = blockOf.emplace(content, entry.offset);
        EXPECT_EQ(block->second, entry.offset) << path << ": equal files share one block";
    }
    std::set<uint32_t> offsets;
    for (const auto& [content, offset] : blockOf) offsets.insert(offset);
    EXPECT_EQ(offsets.size(), blockOf.size());  // different files never share

    RunResult list = RunProgram(CORVANTH_PACK_TOOL, "list '" + (dir / "t.pak").string() + "'");
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("Img\\Heroes\\Knight.s16\t"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\tshared\n"), std::string::npos);
    RunResult extract = RunProgram(CORVANTH_PACK_TOOL, "extract '" + (dir / "t.pak").string() +
                                                           "' '" + (dir / "out").string() + "'");
    EXPECT_EQ(extract.status, 0) << extract.err;
    Package package;
    package.Load(MakeRef<FileStream>((dir / "t.pak").string(), 'r'));
    for (const auto& [path, content] : SampleFiles()) {
        EXPECT_EQ(dir.Read("out/" + path), content);
        EXPECT_EQ(ReadAll(*package.Open(EntryName(path))), content) << path;
    }
}

TEST(PackTool, BadPackagesAndCommandLinesFail) {
    TempDir dir;
    Pack(dir, "--compress");
    dir.Write("cut.pak", dir.Read("t.pak").substr(0, 100));
    RunResult r = RunProgram(CORVANTH_PACK_TOOL, "list '" + (dir / "cut.pak").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Error: Corrupted package " + (dir / "cut.pak").string() + ": ", 0), 0u)
        << r.err;
    EXPECT_EQ(RunProgram(CORVANTH_PACK_TOOL, "create x.pak").status, 2);
    EXPECT_EQ(RunProgram(CORVANTH_PACK_TOOL, "create --fast x.pak dir").status, 2);
    EXPECT_EQ(RunProgram(CORVANTH_PACK_TOOL, "--help").status, 0);
    r = RunProgram(CORVANTH_PACK_TOOL, "list '" + (dir / "none.pak").string() + "'");
    EXPECT_EQ(r.err, "Error: Open error in " + (dir / "none.pak").string() + "\n");
}

TEST(CorruptData, TheGameStopsWithAClearMessage) {
    TempDir dir;
    Pack(dir, "--compress");
    std::string bytes = dir.Read("t.pak");
    dir.Write("Data.pak", bytes.substr(0, bytes.size() / 2));
    dir.Write("Corvanth.CFG", "package=Data.pak\n");
    const std::string args = "--headless --game-dir '" + dir.path().string() + "'";
    RunResult r = RunProgram(CORVANTH_EXE, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        r.err.rfind("Error: Corrupted package " + (dir / "Data.pak").string() + ": the data of \"",
                    0),
        0u)
        << r.err;

    WriteStartableGame(dir, "");
    dir.Write("Data/English.lng.txt", "[Game saved]\nGame saved\n");
    r = RunProgram(CORVANTH_EXE, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: Expected Unicode text in <English.lng.txt>\n");

    dir.Write("Data/English.lng.txt", LanguageFile(u"[a]\n[]\n"));
    r = RunProgram(CORVANTH_EXE, args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: Empty identifier in English.lng.txt\n");
}

TEST(SaveTool, ShowsTheContainerAndTheChunkTreeAndRefusesBrokenSaves) {
    TempDir dir;
    SetAppDir(dir.path().string() + "/");
    test::TestGame game;
    game.note = "a note";
    CurrentSaveName() = "7";
    SaveGame(game);
    const std::string save = (dir / "7.sav").string();

    RunResult info = RunProgram(CORVANTH_SAVE_TOOL, "info '" + save + "'");
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("version: 1\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Name: Ada the Knight-Errant\nClass: Paladin\nDifficulty: 2\n"
                            "Days Left: 321\n"),
              std::string::npos)
        << info.out;
    RunResult dump = RunProgram(CORVANTH_SAVE_TOOL, "dump '" + save + "'");
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out,
              "game data: 36 bytes\n"
              "TEST  offset 0  length 28  version 0\n"
              "  NOTE  offset 16  length 12  version 0\n");

    const std::string bytes = dir.Read("7.sav");
    dir.Write("cut.sav", bytes.substr(0, bytes.size() - 3));
    for (const char* command : {"info", "dump"}) {
        RunResult r = RunProgram(CORVANTH_SAVE_TOOL,
                                 std::string(command) + " '" + (dir / "cut.sav").string() + "'");
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err,
                  "Error: Invalid  format or save corrupted: game data outside the file in " +
                      (dir / "cut.sav").string() + "\n");
    }
    dir.Write("tiny.sav", "CVSave");
    RunResult tiny = RunProgram(CORVANTH_SAVE_TOOL, "info '" + (dir / "tiny.sav").string() + "'");
    EXPECT_EQ(tiny.status, 1);
    EXPECT_EQ(tiny.err, "Error: Invalid  format or save corrupted: header cut short in " +
                            (dir / "tiny.sav").string() + "\n");
    EXPECT_EQ(RunProgram(CORVANTH_SAVE_TOOL, "show x").status, 2);
}

}  // namespace
}  // namespace cv::e2e
