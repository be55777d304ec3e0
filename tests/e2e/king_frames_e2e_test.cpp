// The King's castle with its two rooms, the puzzle map and both endings on
// the real game folder, drawn headless by the game itself in each language
// and kept as frames to look at.
#include <gtest/gtest.h>

#include <string>

#include "game/world/running_game.h"
#include "headless_game.h"
#include "screens/game_session.h"

namespace cv::e2e {
namespace {

// The King's castle of the first continent.
Cell KingsCastleCell(const RunningGame& game) {
    for (const Ref<MapObj>& object : game.world().Get(0)->objects()) {
        if (object->Factory().name() == "King") return object->cell();
    }
    ADD_FAILURE() << "no King's castle on the first continent";
    return {};
}

TEST_P(LanguageFrames, TheCastleItsRoomsAndThePuzzle) {
    Open("king");
    // Up into the castle; the audience before and after the King speaks; the
    // recruiting with all the militia the leadership allows; then the puzzle
    // from the game menu.
    dir.Write("castle.txt",
              "tap 239 143\n" + Shot("castle.png") + "tap 392 233\n" + Shot("audience.png") +
                  "tap 319 339\n" + Shot("spoken.png") + "tap 319 339\ntap 392 193\n" +
                  Shot("recruit.png") + "tap 544 132\n" + Shot("chosen.png") + "tap 213 389\n" +
                  "tap 392 273\ntap 559 234\ntap 214 271\n" + Shot("puzzle.png") + "quit\n");
    HeadlessGame run(dir, "castle.txt");
    ASSERT_TRUE(run.started());
    const Ref<RunningGame> game(CurrentGame());
    const Cell castle = KingsCastleCell(*game);
    game->PlaceHero(0, {castle.x, castle.y - 1});
    game->hero().AddArtifact("A1");
    game->hero().AddArtifact("B2");
    const int militia = game->hero().army().TotalOf("Militia");
    run.Play();

    EXPECT_GT(game->hero().army().TotalOf("Militia"), militia);
    EXPECT_NE(Frame("audience.png").rgba, Frame("spoken.png").rgba);
    EXPECT_NE(Frame("recruit.png").rgba, Frame("chosen.png").rgba);
}

TEST_P(LanguageFrames, BothEndingsRollTheirWordsAndLeaveForTheTitle) {
    Open("king");
    for (const bool won : {true, false}) {
        const std::string shown = won ? "winner.png" : "fail.png", rolled = "rolled_" + shown;
        dir.Write("ending.txt", Shot(shown) + "tick 20\n" + Shot(rolled) + "tap 319 329\n" +
                                    Shot("title.png") + "quit\n");
        HeadlessGame run(dir, "ending.txt");
        ASSERT_TRUE(run.started());
        const Ref<RunningGame> game(CurrentGame());
        won ? game->GameWon() : game->GameLost();
        run.Play();
        EXPECT_NE(Frame(shown).rgba, Frame(rolled).rgba);
        EXPECT_NE(Frame(rolled).rgba, Frame("title.png").rgba);
    }
}

}  // namespace
}  // namespace cv::e2e
