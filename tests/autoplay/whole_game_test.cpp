#include <gtest/gtest.h>

#include <tuple>

#include "autoplay/auto_game.h"
#include "autoplay/game_rules.h"
#include "core/dispatcher_access.h"

namespace cv::autoplay {
namespace {

// Whole games on the rules and continents of the built game folder.
class WholeGame : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LoadGameRules(CORVANTH_GAME_DIR); }
};

auto Summary(const GameReport& game) {
    return std::tuple(OutcomeName(game.outcome), game.daysUsed, game.score, game.villainsCaught,
                      game.battles.won, game.battles.lost, game.actions);
}

TEST_F(WholeGame, AKnightOnTheEasiestLevelCatchesVillainsAndFindsTheSceptre) {
    const GameReport game = PlayGame("Knight", 0, 3);
    EXPECT_STREQ(OutcomeName(game.outcome), "won");
    EXPECT_GT(game.daysUsed, 0);
    EXPECT_LT(game.daysUsed, 900);
    EXPECT_GE(game.villainsCaught, 3);
    EXPECT_GT(game.battles.won, game.battles.lost);
    EXPECT_GT(game.score, 0);
}

TEST_F(WholeGame, OnTheHardestLevelTheDaysRunOut) {
    int levelDays = 0;
    ASSERT_TRUE(FindValue(Root(), "HardLevels.3.Days")->GetInt(levelDays));
    const GameReport game = PlayGame("Barbarian", 3, 1);
    EXPECT_STREQ(OutcomeName(game.outcome), "lost");
    EXPECT_EQ(game.daysUsed, levelDays);
    EXPECT_GT(game.villainsCaught, 0);
}

TEST_F(WholeGame, TheSameSeedPlaysTheSameGame) {
    constexpr long kActions = 1000;
    const GameReport first = PlayGame("Sorceress", 1, 7, kActions);
    EXPECT_STREQ(OutcomeName(first.outcome), "stalled");  // cut short, not ended
    EXPECT_EQ(first.actions, kActions);
    EXPECT_EQ(Summary(PlayGame("Sorceress", 1, 7, kActions)), Summary(first));
    EXPECT_NE(Summary(PlayGame("Sorceress", 1, 8, kActions)), Summary(first));
}

}  // namespace
}  // namespace cv::autoplay
