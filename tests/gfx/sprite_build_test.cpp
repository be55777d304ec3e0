#include <gtest/gtest.h>

#include <vector>

#include "core/fatal_error.h"
#include "gfx/sprite.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using Words = std::vector<uint16_t>;

// Rows of 0xAARRGGBB pixels as a 24-bit (alpha dropped) or 32-bit surface.
Ref<ISurface> Picture(const std::vector<std::vector<uint32_t>>& rows, int bits) {
    auto s = MakeRef<ISurfaceSoft>(int(rows[0].size()), int(rows.size()), bits);
    const SurfaceDesc d = s->describe();
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            for (int i = 0; i < d.bytesPerPixel; ++i)
                d.At(x, y)[i] = uint8_t(rows[y][x] >> (8 * i));
        }
    }
    return s;
}

Words Built(const std::vector<std::vector<uint32_t>>& rows, int bits, int mode) {
    Ref<Sprite> sprite = MakeRef<Sprite>();
    sprite->build(*Picture(rows, bits), mode);
    return sprite->words();
}

Words Body(const Words& words) {
    return Words(words.begin() + 7, words.end());
}

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;
constexpr uint16_t kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F;

TEST(SpriteBuild, OpaqueRowsUseFillsForRunsOfFourUpTo4096) {
    // Five equal pixels: one fill word with count field 4, the colour, end of row.
    Words w = Built({{kRed, kRed, kRed, kRed, kRed}}, 24, kBuildOpaque);
    EXPECT_EQ(w, (Words{5, 1, 0, 0, 5, 1, 0, 0x0044, kRed565, 0x0000, 0x0010}));
    // Three equal then two others stay one literal of five.
    w = Built({{kRed, kRed, kRed, kGreen, kBlue}}, 24, kBuildOpaque);
    EXPECT_EQ(Body(w), (Words{0x0042, kRed565, kRed565, kRed565, kGreen565, kBlue565, 0, 0x10}));
    // The literal before the run is written first.
    w = Built({{kGreen, kBlue, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kGreen, kBlue}}, 24,
              kBuildOpaque);
    EXPECT_EQ(Body(w), (Words{0x0012, kGreen565, kBlue565, 0x0064, kRed565, 0x0012, kGreen565,
                              kBlue565, 0, 0x10}));
    // Every row ends with an end-of-row word, the last one too.
    w = Built({{kRed}, {kBlue}}, 24, kBuildOpaque);
    EXPECT_EQ(Body(w), (Words{0x0002, kRed565, 0, 0x0002, kBlue565, 0, 0x10}));
    // Runs are cut at 4096.
    w = Built({std::vector<uint32_t>(5000, kBlue)}, 24, kBuildOpaque);
    EXPECT_EQ(Body(w), (Words{0xFFF4, kBlue565, uint16_t(903 << 4 | 4), kBlue565, 0, 0x10}));
    std::vector<uint32_t> mixed(4100);
    for (size_t i = 0; i < mixed.size(); ++i) mixed[i] = i % 2 ? kRed : kGreen;
    w = Built({mixed}, 24, kBuildOpaque);
    ASSERT_EQ(w.size(), 7u + 1 + 4096 + 1 + 4 + 2);
    EXPECT_EQ(w[7], 0xFFF2);
    EXPECT_EQ(w[7 + 4097], 0x0032);
}

TEST(SpriteBuild, AlphaClassesAndBox) {
    // Alpha 0x0F is transparent, 0xF0 opaque, 0x80 translucent (4-4-4-4).
    Words w = Built({{0x0FFFFFFF, 0x0FFFFFFF, 0x0FFFFFFF},
                     {0x0FFFFFFF, 0xF0FF0000, 0x80FF8010},
                     {0x00000000, 0x00000000, 0x00000000}},
                    32, kBuildAlpha);
    EXPECT_EQ(w, (Words{3, 3, 1, 1, 2, 1, 0, 0x0002, kRed565, 0x0003, 0x8F81, 0x0010}));
    // Transparent runs inside a row are skips; at its end they are left out.
    w = Built(
        {{0, kRed, 0, 0, kRed, 0, 0}, {0, 0x90000000, 0x90000000, 0x90000000, 0x90000000, 0, 0}},
        32, kBuildAlpha);
    EXPECT_EQ(Body(w),
              (Words{0x0002, kRed565, 0x0011, 0x0002, kRed565, 0x0000, 0x0035, 0x9000, 0x0010}));
    // Nothing visible: an empty box and the end of the sprite.
    w = Built({{0x05000000, 0}}, 32, kBuildAlpha);
    EXPECT_EQ(w, (Words{2, 1, 0, 0, 0, 0, 0, 0x0010}));
}

TEST(SpriteBuild, ScreenSpritesTakeBlackAsTransparent) {
    Words w = Built(
        {{0, 0, 0, 0, 0, 0, 0}, {0, kRed, kRed, kRed, kRed, 0, kGreen}, {0, kGreen, 0, 0, 0, 0, 0}},
        24, kBuildScreen);
    EXPECT_EQ(w, (Words{7, 3, 1, 1, 6, 2, 2, 0x0037, kRed565, 0x0001, 0x0006, kGreen565, 0x0000,
                        0x0006, kGreen565, 0x0010}));
    // Dark colours that round to 0 are transparent too, whatever their alpha.
    w = Built({{0xFF070307, kBlue}}, 32, kBuildScreen);
    EXPECT_EQ(Body(w), (Words{0x0006, kBlue565, 0x0010}));
    EXPECT_EQ(w[2], 1);
}

std::string ErrorOf(const std::vector<std::vector<uint32_t>>& rows, int bits, int mode) {
    return test::ErrorOf([&] { Built(rows, bits, mode); });
}

TEST(SpriteBuild, ModesFollowThePixelSize) {
    // Alpha on 24 bits becomes opaque, opaque on 32 bits becomes alpha.
    EXPECT_EQ(Built({{0, kRed}}, 24, kBuildAlpha),
              (Words{2, 1, 0, 0, 2, 1, 0, 0x0012, 0, kRed565, 0, 0x10}));
    EXPECT_EQ(Built({{0, kRed}}, 32, kBuildOpaque),
              (Words{2, 1, 1, 0, 1, 1, 0, 0x0002, kRed565, 0x10}));
    EXPECT_EQ(ErrorOf({{kRed}}, 16, kBuildOpaque),
              "Invalid pixel format for plain sprite (16 bit/pix)");
    EXPECT_EQ(ErrorOf({{kRed}}, 16, kBuildScreen),
              "Invalid pixel format for screen sprite (16 bit/pix)");
    EXPECT_EQ(ErrorOf({{kRed}}, 15, kBuildAlpha),
              "Invalid pixel format for alpha sprite (16 bit/pix)");
}

}  // namespace
}  // namespace cv
