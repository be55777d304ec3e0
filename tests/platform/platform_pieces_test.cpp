#include <gtest/gtest.h>

#include <vector>

#include "platform/frame_turn.h"
#include "platform/runtime_rand.h"
#include "platform/utf.h"

namespace cv {
namespace {

TEST(RuntimeRand, ReplaysTheHandheldSequence) {
    platform::Srand(1);
    std::vector<int> first;
    for (int i = 0; i < 5; ++i) first.push_back(platform::Rand());
    EXPECT_EQ(first, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(Utf, RoundTripsAndSurvivesBadBytes) {
    const std::string text = "Ωmega – Ü 𝄞";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\u00FFb");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\u00C0\u0080");  // overlong: taken as Latin-1
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(FrameTurn, LogicalPointsComeOutUpright) {
    // A 3 x 5 portrait frame with a negative pitch (row 0 last in memory).
    const int w = 3, h = 5;
    std::vector<uint16_t> memory(w * h);
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col)
            memory[(h - 1 - row) * w + col] = uint16_t(row * 10 + col);
    }
    platform::FrameView frame{reinterpret_cast<const uint8_t*>(&memory[(h - 1) * w]), w, h, -w * 2};
    std::vector<uint16_t> upright(w * h);
    platform::TurnUpright(frame, upright.data(), h, [](uint16_t p) { return p; });
    for (int y = 0; y < w; ++y) {
        for (int x = 0; x < h; ++x) {
            // Logical (x, y) is device column y of device row h-1-x.
            EXPECT_EQ(upright[y * h + x], (h - 1 - x) * 10 + y);
        }
    }
}

}  // namespace
}  // namespace cv
