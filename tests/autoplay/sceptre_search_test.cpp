#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "autoplay/sceptre_search.h"
#include "core/config_parser.h"
#include "game_test_support.h"

namespace cv::autoplay {
namespace {

// Twenty-five artifacts, one for each place of the puzzle, all found.
class PuzzleDone : public test::KnightOnIsle<> {
protected:
    void SetUp() override {
        KnightOnIsle::SetUp();
        std::string artifacts = "Artifacts {";
        for (int row = 0; row < 5; ++row) {
            for (int column = 0; column < 5; ++column) {
                const std::string id = "P" + std::to_string(column) + std::to_string(row);
                artifacts += " " + id + " { PX = " + std::to_string(column) +
                             " PY = " + std::to_string(row) + " }";
                hero().AddArtifact(id);
            }
        }
        Parse(*Root(), artifacts + " }");
    }
    std::vector<SceptreGuess> Guess() const {
        const KnownWorld world(*game, 0);
        return GuessSceptre(ReadPuzzle(*game), {&world});
    }
};

TEST_F(PuzzleDone, TheWholePuzzleOverTheWholeMapPointsAtTheSceptreAlone) {
    hero().SetCompleteMap(0);
    // Inside the island, and at its corner, where the map's edge is sea.
    for (Cell sceptre : {Cell{1, 3}, Cell{4, 2}, Cell{0, 5}}) {
        SCOPED_TRACE(std::to_string(sceptre.x) + "," + std::to_string(sceptre.y));
        hero().SetSceptre(0, sceptre);
        EXPECT_EQ(ReadPuzzle(*game).size(), 25u);
        const std::vector<SceptreGuess> guesses = Guess();
        ASSERT_FALSE(guesses.empty());
        EXPECT_EQ(guesses.front().cell, sceptre);
        EXPECT_EQ(guesses.front().confirmed, 25);
        EXPECT_TRUE(guesses.size() == 1 || guesses[1].confirmed < 25);
    }
}

TEST_F(PuzzleDone, UnknownGroundNeitherConfirmsNorRefutesButOtherGroundRefutes) {
    // Explored from (2, 2): x and y 0 to 4; the sceptre's piece column 4 lies at x = 6.
    hero().SetSceptre(0, {4, 2});
    const std::vector<SceptreGuess> guesses = Guess();
    const auto sceptre = std::find_if(guesses.begin(), guesses.end(), [](const SceptreGuess& g) {
        return g.cell == Cell{4, 2};
    });
    ASSERT_NE(sceptre, guesses.end());
    EXPECT_EQ(sceptre->unknown, 10);  // x = 5 and 6 of five rows
    EXPECT_EQ(sceptre->confirmed, 15);

    hero().SetCompleteMap(0);
    const std::vector<PuzzleClue> clues = ReadPuzzle(*game);
    game->here().SetTerrain({2, 0}, 1);  // under the piece at the bottom left: water no more
    const KnownWorld world(*game, 0);
    for (const SceptreGuess& guess : GuessSceptre(clues, {&world})) {
        EXPECT_FALSE((guess.cell == Cell{4, 2}));
    }
}

}  // namespace
}  // namespace cv::autoplay
