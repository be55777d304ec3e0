#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/display_options.h"
#include "platform/frame_turn.h"
#include "platform/runtime_rand.h"
#include "platform/sdl/sdl_platform.h"
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

TEST(DisplayOptions, ScaleTakesOneToEightAndTheLaterModeWins) {
    using platform::DisplayOptions;
    struct Case {
        std::vector<const char*> args;
        int used;
        DisplayOptions after;
        std::string error;
    };
    const char* const kBadScale = "--scale takes a whole number from 1 to 8";
    const Case cases[] = {{{"--scale", "1"}, 2, {false, 1}, ""},
                          {{"--scale", "8", "--x"}, 2, {false, 8}, ""},
                          {{"--scale", "9"}, -1, {}, std::string(kBadScale) + ", not \"9\""},
                          {{"--scale", "0"}, -1, {}, std::string(kBadScale) + ", not \"0\""},
                          {{"--scale", "2x"}, -1, {}, std::string(kBadScale) + ", not \"2x\""},
                          {{"--scale"}, -1, {}, kBadScale},
                          {{"--fullscreen"}, 1, {true, 0}, ""},
                          {{"--seed", "1"}, 0, {}, ""}};
    for (const Case& c : cases) {
        DisplayOptions options;
        std::string error;
        const int used = platform::ReadDisplayOption(c.args.data(), static_cast<int>(c.args.size()),
                                                     options, error);
        EXPECT_EQ(std::tuple(used, options.fullScreen, options.scale, error),
                  std::tuple(c.used, c.after.fullScreen, c.after.scale, c.error))
            << c.args.front();
    }
    DisplayOptions options{true, 3};
    std::string error;
    const char* window[] = {"--window"};
    EXPECT_EQ(platform::ReadDisplayOption(window, 1, options, error), 1);
    EXPECT_EQ(std::pair(options.fullScreen, options.scale), std::pair(false, 3));
}

// On the memory video driver, whose desktop is 1024 x 768.
TEST(DisplayOptions, TheWindowTakesTheScaleAndTheFullScreenAsked) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const std::tuple<platform::DisplayOptions, int, int, bool> cases[] = {
        {{false, 0}, 640, 480, false},  // the largest scale that fits: 1
        {{false, 3}, 1920, 1440, false},
        {{true, 2}, 1024, 768, true}};  // the whole desktop, whatever the scale
    for (const auto& [options, width, height, full] : cases) {
        platform::SdlPlatform host("", options);
        ASSERT_TRUE(host.CreateMainWindow(u"t", 480, 640, [](const auto&) { return true; }));
        int w = 0, h = 0;
        SDL_GetWindowSize(host.window(), &w, &h);
        const bool fullScreen = SDL_GetWindowFlags(host.window()) & SDL_WINDOW_FULLSCREEN_DESKTOP;
        EXPECT_EQ(std::tuple(w, h, fullScreen), std::tuple(width, height, full)) << options.scale;
    }
    unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
}  // namespace cv
