// A new game on the real game folder, reached through the title and played on
// the adventure screen by taps and keys: the view follows the hero, a held cell
// can be taken back, the menu saves, ends the week and asks before quitting.
#include <gtest/gtest.h>

#include <filesystem>

#include "game_run.h"

namespace cv::e2e {
namespace {

constexpr Region kMap{0, 0, 480, 480}, kMenuPanel{130, 150, 510, 400};
constexpr Region kHeroCell{192, 192, 288, 288};

std::string Tap(int x, int y) {
    return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// The cells right and left of the hero, the menu button and the menu's and
// message boxes' buttons.
const std::string kTapRight = Tap(336, 240), kTapLeft = Tap(144, 240);
const std::string kOpenMenu = Tap(560, 233);
const std::string kSave = Tap(425, 221), kWeekEnd = Tap(214, 221), kQuit = Tap(425, 321);
const std::string kCancel = Tap(320, 376);
const std::string kOnlyButton = Tap(320, 321);
const std::string kFirstOfTwo = Tap(232, 321), kSecondOfTwo = Tap(408, 321);
const std::string kBudgetOk = Tap(320, 401);
// From the title: the hero choice, the Knight, a name and "Start Game".
const std::string kNewKnight = "tick 1\nkey Esc\ntick 1\n" + Tap(525, 169) + "tick 1\n" +
                               Tap(94, 220) + "tick 1\ntext Arthur\n" + Tap(319, 417);

class Adventure : public ::testing::Test {
protected:
    void SetUp() override { CopyGameFolder(dir_); }
    std::string Shot(const std::string& name) const {
        return "shot " + (dir_ / name).string() + "\ntick 1\n";
    }
    Png Frame(const std::string& name) const { return ReadBack(dir_ / name); }

    TempDir dir_;
};

TEST_F(Adventure, TapsAndKeysWalkTheHeroAndASlideOutTakesTheStepBack) {
    const std::string slideOut = "press 336 240\nmove 337 241\nmove 200 240\nrelease 200 240\n";
    RunResult r =
        RunGame(dir_, kNewKnight + "tick 1\n" + Shot("start.png") + kTapRight + Shot("right.png") +
                          kTapLeft + Shot("back.png") + "key Right\n" + Shot("key.png") + slideOut +
                          Shot("slid.png") + "key Left\n" + Shot("home.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    const Png start = Frame("start.png");
    EXPECT_FALSE(SameRegion(start, Frame("right.png"), kMap)) << "the view did not follow";
    // Back where he started, the hero faces the other way.
    EXPECT_TRUE(SameRegion(start, Frame("back.png"), kMap, kHeroCell));
    EXPECT_FALSE(SameRegion(start, Frame("back.png"), kHeroCell));
    EXPECT_TRUE(SameRegion(Frame("right.png"), Frame("key.png"), kMap));
    EXPECT_TRUE(SameRegion(Frame("key.png"), Frame("slid.png"), kMap)) << "the slide-out moved";
    EXPECT_TRUE(SameRegion(Frame("back.png"), Frame("home.png"), kMap));
}

TEST_F(Adventure, TheMenuSavesEndsTheWeekAndQuitAnsweredNoKeepsItOpen) {
    const std::string saveGame = kOpenMenu + kSave + Shot("saved.png") + kOnlyButton;
    const std::string endWeek = kOpenMenu + kWeekEnd + Shot("week.png") + kOnlyButton +
                                Shot("budget.png") + kBudgetOk + Shot("after_week.png");
    const std::string quitNo = kOpenMenu + Shot("menu.png") + kQuit + Shot("ask.png") +
                               kSecondOfTwo + Shot("still_menu.png") + kCancel + Shot("closed.png");
    RunResult r =
        RunGame(dir_, kNewKnight + "tick 1\n" + Shot("start.png") + saveGame + endWeek + quitNo +
                          kOpenMenu + kQuit + kFirstOfTwo + Shot("after_quit.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");

    // The save holds the new game's hero.
    ASSERT_TRUE(std::filesystem::exists(dir_ / "1.sav"));
    const RunResult info = RunProgram(CORVANTH_SAVE_TOOL, {"info", (dir_ / "1.sav").string()});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_NE(info.out.find("Arthur"), std::string::npos) << info.out;

    const Png start = Frame("start.png");
    for (const char* covered :
         {"saved.png", "week.png", "budget.png", "ask.png", "still_menu.png"}) {
        EXPECT_FALSE(SameRegion(start, Frame(covered), kMap)) << covered << " shows no dialog";
    }
    // "No" leaves the menu as it was before the question.
    EXPECT_FALSE(SameRegion(Frame("menu.png"), Frame("ask.png"), kMenuPanel));
    EXPECT_TRUE(SameRegion(Frame("menu.png"), Frame("still_menu.png"), kMenuPanel));
    EXPECT_TRUE(SameRegion(start, Frame("after_week.png"), kMap));
    EXPECT_TRUE(SameRegion(start, Frame("closed.png"), kMap));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "after_quit.png")) << "Yes did not quit";
}

}  // namespace
}  // namespace cv::e2e
