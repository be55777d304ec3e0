#pragma once

#include <string>
#include <vector>

#include "game/model/cell.h"

namespace cv {

class RunningGame;

// The map to the sceptre: 5 x 5 pieces, column 0 on the left, row 0 at the
// top, the sceptre's cell under the centre piece.
constexpr int kPuzzleSize = 5;

struct PuzzlePiece {
    int column = 0;  // the definition's "PX"
    int row = 0;     // its "PY"
    // What the piece shows: the finder's picture while it is covered, the
    // ground of the cell it covers once it is uncovered.
    std::string picture;
    bool uncovered = false;
};

// The cell of the sceptre's continent under the piece at `column`, `row`.
Cell PuzzleCell(Cell sceptre, int column, int row);

// Every piece the rules define, in drawing order: a later piece at the same
// place lies over an earlier one. The villains give theirs first, covered by
// their portraits until caught; then the artifacts ("PX", "PY" under
// "Artifacts"), covered by "Img\Inv\<id>" until the hero owns the artifact.
std::vector<PuzzlePiece> PuzzlePieces(const RunningGame& game);

}  // namespace cv
