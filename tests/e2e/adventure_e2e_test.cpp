// A new game on the real game folder, reached through the title and played on
// the adventure screen by taps and keys: the view follows the hero and a held
// cell can be taken back.
#include <gtest/gtest.h>

#include "game_run.h"

namespace cv::e2e {
namespace {

constexpr Region kMap{0, 0, 480, 480}, kHeroCell{192, 192, 288, 288};

// The cells right and left of the hero.
const std::string kTapRight = Tap(336, 240), kTapLeft = Tap(144, 240);

class Adventure : public OnGameFolder {
protected:
    // Each frame a tick after the step before it.
    std::string Shot(const std::string& name) const {
        return OnGameFolder::Shot(name) + "tick 1\n";
    }
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

}  // namespace
}  // namespace cv::e2e
