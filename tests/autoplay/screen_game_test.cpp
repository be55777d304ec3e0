#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "autoplay/screen_pilot.h"

namespace cv::autoplay {
namespace {

namespace fs = std::filesystem;

// A copy of the built game folder for one game to write its CFG and saves.
class ScreenGame : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::temp_directory_path() / ("corvanth-screen-game-" + name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const char* file : {"Corvanth.CFG", "Corvanth.pak", "English.pak", "Deutsch.pak"}) {
            fs::copy_file(fs::path(CORVANTH_GAME_DIR) / file, folder / file);
        }
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

// A seed whose sceptre the puzzle gives away early, to keep the game short.
TEST_F(ScreenGame, AKnightCatchesAVillainAndFindsTheSceptreThroughTheScreens) {
    const GameReport game = PlayGameOnScreens(folder.string(), "Knight", 3, 102);
    EXPECT_STREQ(OutcomeName(game.outcome), "won");
    EXPECT_LT(game.daysUsed, 300);
    EXPECT_GT(game.villainsCaught, 0);
    EXPECT_GT(game.battles.won, 0);
    EXPECT_EQ(game.battles.lost, 0);
}

TEST_F(ScreenGame, TheFailureShowsOnceTheDaysRunOut) {
    constexpr int kDays = 14;
    const GameReport game = PlayGameOnScreens(folder.string(), "Sorceress", 1, 5, kDays);
    EXPECT_STREQ(OutcomeName(game.outcome), "lost");
    EXPECT_EQ(game.daysUsed, kDays);
}

}  // namespace
}  // namespace cv::autoplay
