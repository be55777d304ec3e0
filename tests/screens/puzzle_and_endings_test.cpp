// The puzzle map from the game menu, and the two endings: what each piece
// shows and where, and that closing an ending leads to the title screen.
#include <gtest/gtest.h>

#include "app/app_core.h"
#include "core/config_parser.h"
#include "game/model/game_ui.h"
#include "screens/puzzle_dialog.h"
#include "screens/title_screen.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class PuzzleAndEndings : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"Puzzle", "Winner", "Fail", "Start"});
        WritePictures({"Img/Heroes/Knight"});
        OnIsleScreens::SetUp();
    }
};

TEST_F(PuzzleAndEndings, EachPieceCoversItsCellAroundTheSceptreUntilItsArtifactIsFound) {
    // A3 lies off the grid; A4 shares A1's place and lies over it.
    Parse(*Root(), "Artifacts { A1 { PX = 0 PY = 0 } A2 { PX = 4 PY = 1 } A3 { PX = 5 PY = 0 } }");
    Parse(*Root(), "Artifacts { A4 { PX = 0 PY = 0 } }");
    hero().SetSceptre(0, {3, 3});
    hero().AddArtifact("A2");
    hero().AddArtifact("A4");
    // Column 4, row 1 covers (3 + 4 - 2, 3 - (1 - 2)): the only rock of the
    // island, where a mirrored grid would find grass.
    game->here().terrain().SetKind({5, 4}, 4);
    Tap("Menu");
    TapOnDialog("PuzzleMap");
    ASSERT_EQ(Top(), "Puzzle");
    const auto& grid = dynamic_cast<const PuzzleGrid&>(OnTop("Pieces"));
    using Pictures = std::vector<std::string>;
    // The place, and the pictures drawn there from the bottom up.
    const std::tuple<int, int, Pictures> places[] = {
        {4, 1, {"Terr\\004"}},
        {0, 0, {"Img\\Puzzle\\piece", "Img\\Inv\\A1", "Terr\\001"}},  // (1, 5): grass
        {2, 2, {"Img\\Puzzle\\gap"}},
        {4, 4, {"Img\\Puzzle\\gap"}}};
    for (const auto& [column, row, pictures] : places) {
        EXPECT_EQ(grid.picturesAt(column, row), pictures) << column << "," << row;
    }
    int gaps = 0;
    for (int row = 0; row < kPuzzleSize; ++row) {
        for (int column = 0; column < kPuzzleSize; ++column) {
            gaps += grid.picturesAt(column, row) == Pictures{"Img\\Puzzle\\gap"};
        }
    }
    EXPECT_EQ(gaps, 23);
    TapOnDialog("Exit");
    EXPECT_EQ(Top(), "Menu");
}

TEST_F(PuzzleAndEndings, EachEndingCoversTheMapWithItsWordsAndLeadsToTheTitle) {
    const struct {
        void (RunningGame::*reached)();
        const char* form;
        std::u16string words;
    } endings[] = {
        {&RunningGame::GameWon, "Winner", u"Congratulations, Arthur the Squire. Final Score: 0"},
        {&RunningGame::GameLost, "Fail", u"Arthur the Squire, you have failed!"}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.form);
        AppCore app;
        app.SetScreen(adventure.get());
        ((*game).*ending.reached)();
        ASSERT_EQ(Top(), ending.form);
        EXPECT_EQ(Text("Text"), ending.words);
        EXPECT_FALSE(Ui().AdventureIsCurrent());
        TapOnDialog("Exit");
        EXPECT_EQ(Top(), "");
        EXPECT_EQ(app.screen(), &TitleScreen());
        app.SetScreen(nullptr);
    }
}

}  // namespace
}  // namespace cv
