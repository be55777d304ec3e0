// The package and save files the tools write, checked from the outside.
#include <gtest/gtest.h>
#include <zlib.h>

#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "core/file_stream.h"
#include "core/package.h"
#include "core/save_game.h"
#include "core/settings.h"
#include "game_run.h"
#include "test_game.h"

namespace cv::e2e {
namespace {

// The little-endian word at `at`; std::out_of_range past the end.
uint32_t Word(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return v;
}

// `size` bytes at `at`, all inside `bytes`.
std::string Take(const std::string& bytes, size_t at, size_t size) {
    if (at > bytes.size() || size > bytes.size() - at) throw std::runtime_error("past the end");
    return bytes.substr(at, size);
}

// The unpacked length, then a zlib stream that inflates to exactly that.
std::string Unpack(const std::string& stored) {
    std::string out(Word(stored, 0), '\0');
    uLongf length = out.size();
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(stored.data() + 4), stored.size() - 4) != Z_OK ||
        length != out.size()) {
        throw std::runtime_error("bad zlib stream");
    }
    return out;
}

struct RawEntry {
    uint32_t offset = 0;
    std::string content;  // unpacked when the package is compressed
};

// The entries by name, read with nothing but the file format and zlib; throws
// on anything out of place. `dataStart` is the first byte after the directory.
std::map<std::string, RawEntry> ReadPackageIndependently(const std::string& bytes,
                                                         size_t& dataStart) {
    std::map<std::string, RawEntry> entries;
    size_t at = Word(bytes, 12);
    for (uint32_t i = 0, count = Word(bytes, 8); i < count; ++i) {
        const uint32_t nameLength = Word(bytes, at + 8);
        RawEntry& entry = entries[Take(bytes, at + 12, nameLength)];
        entry.offset = Word(bytes, at);
        const std::string stored = Take(bytes, entry.offset, Word(bytes, at + 4));
        entry.content = Word(bytes, 16) ? Unpack(stored) : stored;
        at += 12 + (nameLength + 3) / 4 * 4;  // names are padded to whole words
    }
    dataStart = at;
    return entries;
}

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

TEST(PackTool, AnIndependentReaderTheGameAndExtractGetEveryEntryAndSharedBlocksBack) {
    TempDir dir;
    const auto files = SampleFiles();
    size_t unpacked = 0;
    for (const auto& [path, content] : files) {
        dir.Write("src/" + path, content);
        unpacked += content.size();
    }
    RunResult r = RunProgram(CORVANTH_PACK_TOOL,
                             {"create", "--dedup", "--compress", dir / "t.pak", dir / "src"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string printed =
        "Use ZIP compression...\nUnpack size: " + std::to_string(unpacked) + ", compressed: ";
    EXPECT_EQ(r.out.substr(0, printed.size()), printed);
    const std::string bytes = dir.Read("t.pak");
    size_t dataStart = 0;
    const auto entries = ReadPackageIndependently(bytes, dataStart);
    // First word, total length, entry count, directory offset, compression.
    EXPECT_EQ((std::vector<uint32_t>{Word(bytes, 0), Word(bytes, 4), Word(bytes, 8),
                                     Word(bytes, 12), Word(bytes, 16)}),
              (std::vector<uint32_t>{0, uint32_t(bytes.size()), uint32_t(files.size()), 20, 1}));
    ASSERT_EQ(entries.size(), files.size());

    r = RunProgram(CORVANTH_PACK_TOOL, {"extract", dir / "t.pak", dir / "out"});
    EXPECT_EQ(r.status, 0) << r.err;
    Package package;
    package.Load(MakeRef<FileStream>((dir / "t.pak").string(), 'r'));
    std::map<std::string, uint32_t> blockOf;  // content -> data offset
    std::set<uint32_t> blocks;
    for (const auto& [path, content] : files) {
        SCOPED_TRACE(path);
        std::string name = path;
        for (char& c : name) c = c == '/' ? '\\' : c;
        ASSERT_TRUE(entries.count(name));
        const RawEntry& entry = entries.at(name);
        EXPECT_EQ(entry.content, content);
        EXPECT_EQ((entry.offset - dataStart) % 16, 0u);
        EXPECT_EQ(blockOf.emplace(content, entry.offset).first->second, entry.offset)
            << "equal files share one block";
        blocks.insert(entry.offset);
        EXPECT_EQ(ReadAll(*package.Open(name)), content);
        EXPECT_EQ(dir.Read("out/" + path), content);
    }
    EXPECT_EQ(blocks.size(), blockOf.size());  // different files never share

    r = RunProgram(CORVANTH_PACK_TOOL, {"list", dir / "t.pak"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Img\\Heroes\\Knight.s16\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\tshared\n"), std::string::npos);
}

TEST(SaveTool, ShowsTheContainerAndTheChunkTreeAndRefusesACutSave) {
    TempDir dir;
    SetAppDir(dir.path().string() + "/");
    test::TestGame game;
    game.note = "a note";
    std::string saveName = "7";
    SaveGame(game, saveName);

    RunResult r = RunProgram(CORVANTH_SAVE_TOOL, {"info", dir / "7.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("version: 1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Name: Ada the Knight-Errant\nClass: Paladin\nDifficulty: 2\n"
                         "Days Left: 321\n"),
              std::string::npos)
        << r.out;
    r = RunProgram(CORVANTH_SAVE_TOOL, {"dump", dir / "7.sav"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "game data: 36 bytes\n"
              "TEST  offset 0  length 28  version 0\n"
              "  unknown  offset 12: the fields of an unknown chunk\n");

    const std::string bytes = dir.Read("7.sav");
    dir.Write("cut.sav", bytes.substr(0, bytes.size() - 3));
    for (const char* command : {"info", "dump"}) {
        r = RunProgram(CORVANTH_SAVE_TOOL, {command, dir / "cut.sav"});
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.err, dir.Expand("Error: Invalid  format or save corrupted: game data outside "
                                    "the file in @/cut.sav\n"));
    }
}

// Each chunk line's text before "  offset": the tags and their nesting, with
// a continent's run of object lines and the run of villain lines shown once.
std::string Skeleton(const std::string& dump) {
    std::string skeleton;
    std::istringstream lines(dump);
    std::string line;
    std::getline(lines, line);  // the size of the game data
    while (std::getline(lines, line)) {
        const std::string part = line.substr(0, line.find("  offset")) + "|";
        const bool repeats = part == "    object|" || part == "  villain|";
        if (!repeats || !skeleton.ends_with(part)) skeleton += part;
    }
    return skeleton;
}

// The offset on the first line of `tag`.
size_t OffsetOf(const std::string& dump, const std::string& tag) {
    const std::string label = tag + "  offset ";
    return std::stoul(dump.substr(dump.find(label) + label.size()));
}

std::string WordBytes(uint32_t v) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(v >> (8 * i));
    return bytes;
}

std::string Patched(std::string bytes, size_t at, const std::string& patch) {
    return bytes.replace(at, patch.size(), patch);
}

// A save the game wrote, walked by the layout the game writes; then its game
// data stored plainly with parts broken or unknown to the walk.
TEST(SaveTool, DumpsAGameTheGameSavedAndMarksWhatItCannotWalk) {
    TempDir dir;
    CopyGameFolder(dir);
    const RunResult game = RunGame(
        dir, kNewKnight + "tick 1\n" + kOpenMenu + kSave + "tick 1\n" + kOnlyButton + "tick 1\n");
    ASSERT_EQ(game.status, 0) << game.err;
    RunResult r = RunProgram(CORVANTH_SAVE_TOOL, {"dump", dir / "1.sav"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string continent = "  loc |    object|    Pos0|";
    std::string continents;
    for (int i = 0; i < 4; ++i) continents += continent;
    EXPECT_EQ(Skeleton(r.out), "LOCS|" + continents + "HERO|  SPLS|TIME|VILS|  villain|") << r.out;
    const size_t pos0 = OffsetOf(r.out, "Pos0"), spells = OffsetOf(r.out, "SPLS");
    const size_t time = OffsetOf(r.out, "TIME"), object = OffsetOf(r.out, "object");
    const size_t villains = OffsetOf(r.out, "VILS");
    EXPECT_NE(r.out.find("  type Enemy  name "), std::string::npos) << "an army with its squads";
    EXPECT_NE(r.out.find("  number 1  seen 0  army "), std::string::npos) << "the first villain";

    const std::string save = dir.Read("1.sav");
    const uint32_t dataOffset = Word(save, 28);
    const std::string chunks = Unpack(save.substr(dataOffset));
    struct Case {
        std::string chunks, line;
        int status;
    };
    const Case cases[] = {
        {Patched(chunks, pos0, "Pos9"),
         "    unknown  offset " + std::to_string(pos0) + ": sub-record \"Pos9\" of 12 bytes", 0},
        {Patched(chunks, 28, WordBytes(100000)),  // the first continent's object count
         ": the loc record ends inside its fields\n  loc   offset", 1},
        {Patched(chunks, object + 3, "X"),  // the first letter of the first object's type
         ": the fields of a \"X", 0},
        {Patched(chunks, 8, WordBytes(1)),
         "  unknown  offset 12: the fields of version 1\nHERO  offset", 0},
        {Patched(chunks, spells, "SPLX"),
         "  damaged  offset " + std::to_string(spells) +
             ": expected \"SPLS\", found \"SPLX\"\n"
             "TIME  offset",
         1},
        {Patched(chunks, villains + 12, WordBytes(1000)),  // the villain count
         ": the villain records run past the VILS chunk", 1},
        {chunks.substr(0, time + 20),
         "damaged  offset " + std::to_string(time) + ": chunk \"TIME\" claims ", 1}};
    for (const Case& c : cases) {
        const std::string header =
            Patched(save.substr(0, dataOffset), 32, WordBytes(uint32_t(c.chunks.size())));
        dir.Write("plain.sav", Patched(header, 36, WordBytes(0)) + c.chunks);  // stored as is
        r = RunProgram(CORVANTH_SAVE_TOOL, {"dump", dir / "plain.sav"});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.out.find(c.line), std::string::npos) << c.line << " not in\n" << r.out;
    }
}

}  // namespace
}  // namespace cv::e2e
