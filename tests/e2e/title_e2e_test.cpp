// The title screen and its dialogs on the real game folder, as a player meets
// them: what the frames show and what the CFG keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "game_run.h"

namespace cv::e2e {
namespace {

// Centres of the title's menu buttons and of the options' widgets.
constexpr int kMenuX = 525, kOptionsY = 382, kExitY = 435;
constexpr int kFlipX = 98, kFlipY = 185, kAnimationY = 219, kOkX = 218, kSettingsOkY = 369;

constexpr Region kMiddle{100, 110, 540, 350}, kCastle{150, 100, 400, 300};
constexpr Region kLoadGame{442, 201, 610, 245}, kCampFire{60, 370, 132, 442};

// The share of the region's pixels that are the dark blue of a dialog frame.
double DialogShare(const Png& frame, Region r) {
    int dark = 0;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            const uint8_t* p = frame.At(x, y);
            dark += p[0] < 48 && p[1] < 48 && p[2] < 64 && p[2] >= p[0];
        }
    }
    return double(dark) / ((r.x1 - r.x0) * (r.y1 - r.y0));
}

// A tap where the point of the game screen shows when the screen is turned.
std::string Turned(int x, int y) {
    return Tap(639 - x, 479 - y);
}

using Title = OnGameFolder;

TEST_F(Title, StartUpShowsTheCreditsOnceAndOnTheKeyZeroAndExitEndsWithZero) {
    RunResult r =
        RunGame(dir_, "tick 1\n" + Shot("credits.png") + "key Esc\ntick 3\n" + Shot("title.png") +
                          "key 0\ntick 1\n" + Shot("again.png") + "key Esc\n" +
                          Tap(kMenuX, kExitY) + "tick 1\n" + Shot("after.png"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "after.png")) << "the game ran on after Exit";
    // The credits frame covers the middle of the screen; the title shows the
    // castle there and is left alone after more refreshes.
    EXPECT_GT(DialogShare(Frame("credits.png"), kMiddle), 0.6);
    EXPECT_LT(DialogShare(Frame("title.png"), kCastle), 0.1);
    EXPECT_GT(DialogShare(Frame("again.png"), kMiddle), 0.6);
}

TEST_F(Title, OptionsAreWrittenOnlyWhenChangedAndEveryOtherLineStays) {
    const std::string before = dir_.Read("Corvanth.CFG");
    const std::string openOptions = "tick 1\nkey Esc\n" + Tap(kMenuX, kOptionsY) + "tick 1\n";
    // Toggled and left with Esc: nothing is kept.
    ASSERT_EQ(RunGame(dir_, openOptions + Tap(kFlipX, kFlipY) + "key Esc\ntick 1\nquit\n").status,
              0);
    EXPECT_EQ(dir_.Read("Corvanth.CFG"), before);

    // The screen turns at once: OK is then found at the opposite point.
    RunResult r = RunGame(
        dir_, openOptions + Tap(kFlipX, kFlipY) + Turned(kOkX, kSettingsOkY) + "tick 1\nquit\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string expected = before;
    expected.replace(expected.find("FlipScreen=OFF"), 14, "FlipScreen=ON");
    EXPECT_EQ(dir_.Read("Corvanth.CFG"), expected);

    r = RunGame(dir_, "tick 1\nkey Esc\n" + Turned(kMenuX, kOptionsY) + "tick 1\n" +
                          Turned(kFlipX, kAnimationY) + Turned(kOkX, kSettingsOkY) +
                          "tick 1\nquit\n");
    ASSERT_EQ(r.status, 0) << r.err;
    expected.replace(expected.find("Animation=ON"), 12, "Animation=OFF");
    EXPECT_EQ(dir_.Read("Corvanth.CFG"), expected);
}

TEST_F(Title, AnimationOffHoldsTheCampFireStill) {
    auto fireMoves = [&]() {
        RunGame(dir_, "tick 1\nkey Esc\ntick 1\n" + Shot("a.png") + "tick 1\n" + Shot("b.png"));
        return !SameRegion(Frame("a.png"), Frame("b.png"), kCampFire);
    };
    EXPECT_TRUE(fireMoves());
    std::string cfg = dir_.Read("Corvanth.CFG");
    cfg.replace(cfg.find("Animation=ON"), 12, "Animation=OFF");
    dir_.Write("Corvanth.CFG", cfg);
    EXPECT_FALSE(fireMoves());
}

// Played with the keys alone: down to "Language", Enter; down to the second
// language, Space; Enter for the dialog's default button.
TEST_F(Title, ChoosingTheSecondLanguageChangesTheTitleAndIsKept) {
    RunResult r = RunGame(dir_, "tick 1\nkey Esc\ntick 1\n" + Shot("english.png") +
                                    "key Down\nkey Down\nkey Down\nkey Enter\ntick 1\n"
                                    "key Down\nkey Space\ntick 1\nkey Enter\ntick 1\n" +
                                    Shot("german.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(dir_.Read("Corvanth.CFG").find("CurLanguage=Deutsch\r\n"), std::string::npos);
    const Png english = Frame("english.png"), german = Frame("german.png");
    // The captions change ("Load Game", unfocused in both frames); the picture
    // around them does not.
    EXPECT_FALSE(SameRegion(english, german, kLoadGame));
    EXPECT_TRUE(SameRegion(english, german, kCastle));

    // The next start speaks the chosen language from the first frame.
    r = RunGame(dir_, "tick 1\nkey Esc\ntick 1\n" + Shot("restart.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(SameRegion(german, Frame("restart.png"), kLoadGame));
}

}  // namespace
}  // namespace cv::e2e
