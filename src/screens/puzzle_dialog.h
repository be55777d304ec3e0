#pragma once

#include <string>
#include <vector>

#include "game/world/puzzle_map.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// The pieces of the map to the sceptre laid out on the widget's 5 x 5 cells
// (form item "PuzzleGrid"): a covered piece shows its finder's picture on a
// scrap of parchment, an uncovered one the ground it covers, and a place no
// piece belongs to stays a dark gap.
class PuzzleGrid : public GuiElement {
public:
    void setPieces(std::vector<PuzzlePiece> pieces);
    void paint() override;

    // The pictures drawn at a place, bottom first, each centred on its cell.
    std::vector<std::string> picturesAt(int column, int row) const;

private:
    Rect cellRect(int column, int row) const;

    std::vector<PuzzlePiece> pieces_;
};

// The puzzle map, form "Puzzle": the grid "Pieces", the heading "Title", a
// word on how pieces are found in "Help", and "Exit", which closes it as Esc does.
class PuzzleDialog : public AnsweredDialog {
public:
    PuzzleDialog(std::vector<PuzzlePiece> pieces, AnswerHandler then)
        : AnsweredDialog(std::move(then)), pieces_(std::move(pieces)) {}

    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Exit"; }

private:
    std::vector<PuzzlePiece> pieces_;
};

// The puzzle map of the game in play, for the rules' "Puzzle".
Ref<Form> PuzzleScreen(RunningGame& game, AnswerHandler then);

}  // namespace cv
