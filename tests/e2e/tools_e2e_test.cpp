#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <vector>

#include "game_run.h"
#include "platform/png_file.h"

namespace cv::e2e {
namespace {

// The words of `line`, each "@" standing for the test's folder.
std::vector<std::string> Words(const std::string& line, const TempDir& dir) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(dir.Expand(word));
    return words;
}

// Each program's help, usage errors and broken input files, "@" standing for
// the test's folder. `text` is on the standard output of a success and the
// error output of a failure: its whole when it ends a line, else a part of it.
TEST(Tools, EveryProgramExplainsItsUsageAndRefusesBadInput) {
    TempDir dir;
    dir.Write("bad.ini", "a = 1 $\n");
    std::filesystem::copy_file(std::string(CORVANTH_GAME_DIR) + "/Corvanth.pak", dir / "cut.pak");
    std::filesystem::resize_file(dir / "cut.pak", 100);
    dir.Write("tiny.sav", "CVSave");
    dir.Write("twins/Img/a.txt", "one");
    dir.Write("twins/IMG/A.txt", "the other");
    dir.Write("bad.s16", std::string("S16\0\1", 5));
    dir.Write("bad.fnm", std::string(70, '\0'));
    const std::string game = CORVANTH_EXE, ini = CORVANTH_INI_TOOL, pack = CORVANTH_PACK_TOOL,
                      save = CORVANTH_SAVE_TOOL, sprite = CORVANTH_SPRITE_TOOL,
                      font = CORVANTH_FONT_TOOL, ttf = CORVANTH_TEST_FONT,
                      mapgen = CORVANTH_MAPGEN_TOOL, battle = CORVANTH_BATTLE_TOOL;
    struct Case {
        std::string program, args;
        int status;
        std::string text;
    };
    const Case cases[] = {
        {game, "--help", 0, "--headless"},
        {game, "--version", 0, "Corvanth "},
        {game, "--bogus", 2, ""},
        {game, "--seed x", 2, ""},
        {game, "--scale 9", 2, "Corvanth: --scale takes a whole number from 1 to 8, not \"9\"\n"},
        {ini, "dump @/bad.ini", 1, "Error: Sintax error in line: a = 1 <ERR>$\n"},
        {ini, "", 2, ""},
        {pack, "--help", 0, "Usage: corvanth-pack"},
        {pack, "list @/cut.pak", 1, "Error: Corrupted package @/cut.pak: "},
        {pack, "list @/none.pak", 1, "Error: Open error in @/none.pak\n"},
        {pack, "create x.pak", 2, ""},
        {pack, "create --fast x.pak dir", 2, ""},
        {pack, "create @/twins.pak @/twins", 1,
         "Error: @/twins/IMG/A.txt and @/twins/Img/a.txt differ only in case, and package names "
         "do not\n"},
        {save, "info @/tiny.sav", 1,
         "Error: Invalid  format or save corrupted: header cut short in @/tiny.sav\n"},
        {save, "show x", 2, ""},
        {sprite, "--help", 0, "Usage: corvanth-sprite encode"},
        {sprite, "decode @/bad.s16 @/x.png", 1, "Error: Invalid RLE sprite format in @/bad.s16\n"},
        {sprite, "encode @/none.png @/x.s16", 1, "corvanth-sprite: cannot read @/none.png"},
        {sprite, "encode --mode shiny a.png b.s16", 2, ""},
        {font, "--help", 0, "Usage: corvanth-font"},
        {font, "build " + ttf + " --size 16 --chars 65-U+1F600 @/f.fnm", 1,
         "cannot read the character range \"65-U+1F600\""},
        {font, "build @/none.ttf --size 16 --chars 65 @/f.fnm", 1, "cannot read the font file"},
        {font, "build " + ttf + " --size 0 --chars 65 @/f.fnm", 1, ""},
        {font, "render @/bad.fnm x @/t.png", 1, "Error: Invalid font format in @/bad.fnm\n"},
        {font, "build x", 2, ""},
        {mapgen, "--help", 0, "Usage: corvanth-mapgen generate"},
        {mapgen, "generate --seed -1 @/maps", 2, ""},
        {mapgen, "preview @/none @/p.png", 1, "Error: Open error in @/none/map.ini\n"},
        {mapgen, "preview @", 2, ""},
        {battle, "--help", 0, "Usage: corvanth-battle"},
        {battle, "--runs 0 Knights:1 Peasants:1", 2, ""},
        {battle, "Knights:1", 2, ""},
        {battle, "Knights:1 Orcs:2", 1, "Error: Invalid Unit ID: <Orcs>\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::filesystem::path(c.program).filename().string() + " " + c.args);
        const RunResult r = RunProgram(c.program, Words(c.args, dir));
        EXPECT_EQ(r.status, c.status) << r.err;
        const std::string& printed = c.status == 0 ? r.out : r.err;
        const std::string text = dir.Expand(c.text);
        if (!text.empty() && text.back() == '\n') {
            EXPECT_EQ(printed, text);
        } else {
            EXPECT_NE(printed.find(text), std::string::npos) << printed;
        }
    }
}

// The same seed fights the same battles; a battle is told round by round.
TEST(BattleTool, RepeatsItselfForASeed) {
    const auto fight = [](const std::vector<std::string>& args) {
        const RunResult r = RunProgram(CORVANTH_BATTLE_TOOL, args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    };
    const std::string one = fight({"--seed", "3", "Knights:5", "Ogres:5"});
    EXPECT_EQ(one.rfind("Round 1: Knights:5 | Ogres:5\n", 0), 0u) << one;
    EXPECT_NE(one.find("\nOutcome: the "), std::string::npos) << one;
    EXPECT_EQ(fight({"--seed", "3", "Knights:5", "Ogres:5"}), one);
    const std::vector<std::string> sample = {"--seed", "9",         "--runs",
                                             "40",     "Pikemen:9", "Wolves:9"};
    const std::string summary = fight(sample);
    EXPECT_EQ(summary.rfind("Pikemen:9 against Wolves:9: 40 battles, the first army wins ", 0), 0u)
        << summary;
    EXPECT_EQ(fight(sample), summary);
    EXPECT_NE(fight({"--seed", "10", "--runs", "40", "Pikemen:9", "Wolves:9"}), summary);
}

TEST(IniTool, DumpsEveryItemInChildOrder) {
    TempDir dir;
    dir.Write("a.ini", "Rules { Days=600 Rate=1.5 }\nName=\"x y\"\nEmpty{}\n");
    dir.Write("b.ini", "Rules.Days=700\n");
    RunResult r = RunProgram(CORVANTH_INI_TOOL, {"dump", dir / "a.ini", dir / "b.ini"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Empty {}\nName String \"x y\"\nRules.Days int 700\nRules.Rate float 1.5\n");
}

void WriteRgba(const std::filesystem::path& path, const Png& png) {
    std::string error;
    ASSERT_TRUE(platform::WritePng(path.string(), png.width, png.height, true, png.rgba, error))
        << error;
}

// An asymmetric upright picture: a red bar along the top, a green one down
// the left, a translucent blue patch, transparency elsewhere.
Png Flag() {
    Png png{12, 8, std::vector<uint8_t>(12 * 8 * 4)};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            uint8_t* p = &png.rgba[(size_t(y) * 12 + x) * 4];
            if (y < 2)
                p[0] = 255, p[3] = 255;
            else if (x < 2)
                p[1] = 255, p[3] = 255;
            else if (x > 8 && y > 4)
                p[2] = 0xEE, p[3] = 0x88;
        }
    }
    return png;
}

TEST(SpriteTool, EncodesAColumnOfOneColourAsOneFillAndDecodesTheUprightPictureBack) {
    TempDir dir;
    // Five pixels down the picture are one stored row.
    Png line{1, 5, {}};
    for (int i = 0; i < 5; ++i) line.rgba.insert(line.rgba.end(), {255, 0, 0, 255});
    WriteRgba(dir / "line.png", line);
    RunResult r = RunProgram(CORVANTH_SPRITE_TOOL,
                             {"encode", "--mode", "opaque", dir / "line.png", dir / "line.s16"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.Read("line.s16"), std::string("S16\0"
                                                "\x05\0\x01\0\0\0\0\0\x05\0\x01\0\0\0"
                                                "\x44\0\x00\xF8\0\0\x10\0",
                                                26));

    WriteRgba(dir / "flag.png", Flag());
    r = RunProgram(CORVANTH_SPRITE_TOOL, {"encode", dir / "flag.png", dir / "flag.s16"});
    ASSERT_EQ(r.status, 0) << r.err;
    r = RunProgram(CORVANTH_SPRITE_TOOL, {"decode", dir / "flag.s16", dir / "back.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Png back = ReadBack(dir / "back.png"), flag = Flag();
    ASSERT_EQ(back.width, 12);
    ASSERT_EQ(back.height, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 12; ++x) {
            const uint8_t* want = flag.At(x, y);
            // Opaque colours come back in 5-6-5, translucent ones in 4-4-4-4.
            std::vector<int> expected{want[0] & 0xF8, want[1] & 0xFC, want[2] & 0xF8, want[3]};
            if (want[3] == 0x88) expected = {0, 0, 0xEE, 0x88};
            if (want[3] == 0) expected = {0, 0, 0, 0};
            const uint8_t* got = back.At(x, y);
            ASSERT_EQ((std::vector<int>{got[0], got[1], got[2], got[3]}), expected)
                << x << "," << y;
        }
    }
}

TEST(FontTool, BuildsAFontFileAndRendersWithIt) {
    TempDir dir;
    RunResult r =
        RunProgram(CORVANTH_FONT_TOOL, {"build", CORVANTH_TEST_FONT, "--size", "16", "--chars",
                                        "32-126,U+0410-U+044F", dir / "f.fnm"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string fnm = dir.Read("f.fnm");
    ASSERT_GT(fnm.size(), 90u);
    EXPECT_EQ(uint8_t(fnm[74]) | uint8_t(fnm[75]) << 8, 95 + 64);  // the glyph count
    r = RunProgram(CORVANTH_FONT_TOOL, {"render", dir / "f.fnm", "Hi Жук", dir / "t.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Png text = ReadBack(dir / "t.png");
    EXPECT_GT(text.width, 40);
    EXPECT_GT(text.height, 16);
    int ink = 0;
    for (size_t i = 0; i < text.rgba.size(); i += 4) ink += text.rgba[i] == 0;
    EXPECT_GT(ink, 30);
}

// A seed repeats the set; the preview shows the four continents side by side
// with the sea around each and its castles' gates on land.
TEST(MapgenTool, GeneratesARepeatableSetAndDrawsIt) {
    TempDir dir;
    for (const char* folder : {"a", "b"}) {
        const RunResult r =
            RunProgram(CORVANTH_MAPGEN_TOOL, {"generate", "--seed", "42", dir / folder});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    EXPECT_EQ(dir.Read("a/map.ini"), dir.Read("b/map.ini"));
    EXPECT_EQ(dir.Read("a/Terr/Galdris.cvmap").size(), 4096u);
    const RunResult r = RunProgram(CORVANTH_MAPGEN_TOOL, {"preview", dir / "a", dir / "a.png"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Png picture = ReadBack(dir / "a.png");
    ASSERT_EQ(picture.width, 4 * 256 + 3 * 8);
    ASSERT_EQ(picture.height, 256);
    for (int continent = 0; continent < 4; ++continent) {
        EXPECT_EQ(picture.Rgb(continent * 264, 0), 0x2050B0u);
    }
}

}  // namespace
}  // namespace cv::e2e
