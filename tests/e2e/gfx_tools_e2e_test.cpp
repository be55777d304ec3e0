#include <gtest/gtest.h>

#include <vector>

#include "game_run.h"
#include "platform/png_file.h"

namespace cv::e2e {
namespace {

RunResult Sprite(const std::string& args) {
    return RunProgram(CORVANTH_SPRITE_TOOL, args);
}
RunResult FontTool(const std::string& args) {
    return RunProgram(CORVANTH_FONT_TOOL, args);
}

std::string Quoted(const std::filesystem::path& p) {
    return "'" + p.string() + "'";
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

TEST(SpriteTool, EncodeThenDecodeGivesTheUprightPictureBack) {
    TempDir dir;
    WriteRgba(dir / "flag.png", Flag());
    RunResult r = Sprite("encode " + Quoted(dir / "flag.png") + " " + Quoted(dir / "flag.s16"));
    ASSERT_EQ(r.status, 0) << r.err;
    r = Sprite("decode " + Quoted(dir / "flag.s16") + " " + Quoted(dir / "back.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    const Png back = ReadBack(dir / "back.png");
    const Png flag = Flag();
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

TEST(SpriteTool, AColumnOfOneColourIsOneFill) {
    TempDir dir;
    // Five pixels down the picture are one stored row.
    WriteRgba(dir / "line.png",
              Png{1, 5, std::vector<uint8_t>{255, 0,   0,   255, 255, 0,   0,   255, 255, 0,
                                             0,   255, 255, 0,   0,   255, 255, 0,   0,   255}});
    RunResult r =
        Sprite("encode --mode opaque " + Quoted(dir / "line.png") + " " + Quoted(dir / "line.s16"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string expected(
        "S16\0"
        "\x05\0\x01\0\0\0\0\0\x05\0\x01\0\0\0"
        "\x44\0\x00\xF8\0\0\x10\0",
        26);
    EXPECT_EQ(dir.Read("line.s16"), expected);
}

TEST(SpriteTool, ReportsBadInputAndUsage) {
    TempDir dir;
    dir.Write("bad.s16", std::string("S16\0\1", 5));
    RunResult r = Sprite("decode " + Quoted(dir / "bad.s16") + " " + Quoted(dir / "x.png"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: Invalid RLE sprite format in " + (dir / "bad.s16").string() + "\n");
    r = Sprite("encode " + Quoted(dir / "none.png") + " " + Quoted(dir / "x.s16"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("corvanth-sprite: cannot read " + (dir / "none.png").string()),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Sprite("encode --mode shiny a.png b.s16").status, 2);
    r = Sprite("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: corvanth-sprite encode"), std::string::npos);
}

TEST(FontTool, BuildsAFontFileAndRendersWithIt) {
    TempDir dir;
    RunResult r =
        FontTool("build '" CORVANTH_TEST_FONT "' --size 16 --chars 32-126,U+0410-U+044F " +
                 Quoted(dir / "f.fnm"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string fnm = dir.Read("f.fnm");
    ASSERT_GT(fnm.size(), 90u);
    const int glyphs = uint8_t(fnm[74]) | uint8_t(fnm[75]) << 8;
    EXPECT_EQ(glyphs, 95 + 64);
    r = FontTool("render " + Quoted(dir / "f.fnm") + " 'Hi Жук' " + Quoted(dir / "t.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    const Png text = ReadBack(dir / "t.png");
    EXPECT_GT(text.width, 40);
    EXPECT_GT(text.height, 16);
    int ink = 0;
    for (size_t i = 0; i < text.rgba.size(); i += 4) ink += text.rgba[i] == 0;
    EXPECT_GT(ink, 30);
}

TEST(FontTool, ReportsBadInputAndUsage) {
    TempDir dir;
    RunResult r = FontTool("build '" CORVANTH_TEST_FONT "' --size 16 --chars 65-U+1F600 " +
                           Quoted(dir / "f.fnm"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot read the character range \"65-U+1F600\""), std::string::npos)
        << r.err;
    r = FontTool("build " + Quoted(dir / "none.ttf") + " --size 16 --chars 65 " +
                 Quoted(dir / "f.fnm"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot read the font file"), std::string::npos) << r.err;
    r = FontTool("build '" CORVANTH_TEST_FONT "' --size 0 --chars 65 " + Quoted(dir / "f.fnm"));
    EXPECT_EQ(r.status, 1);
    dir.Write("bad.fnm", std::string(70, '\0'));
    r = FontTool("render " + Quoted(dir / "bad.fnm") + " x " + Quoted(dir / "t.png"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: Invalid font format in " + (dir / "bad.fnm").string() + "\n");
    EXPECT_EQ(FontTool("build x").status, 2);
    EXPECT_EQ(FontTool("--help").status, 0);
}

}  // namespace
}  // namespace cv::e2e
