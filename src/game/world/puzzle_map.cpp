#include "game/world/puzzle_map.h"

#include "core/dispatcher_access.h"
#include "game/world/running_game.h"
#include "game/world/terrain_kinds.h"

namespace cv {
namespace {

bool OnGrid(int place) {
    return place >= 0 && place < kPuzzleSize;
}

// A definition without a place on the grid gives no piece.
bool PlaceOf(Dispatcher* definition, int& column, int& row) {
    Value* px = FindValue(definition, "PX");
    Value* py = FindValue(definition, "PY");
    return px && py && px->GetInt(column) && py->GetInt(row) && OnGrid(column) && OnGrid(row);
}

// Beyond the continent's edge lies open sea, kind 0, as on the map.
std::string GroundUnder(const RunningGame& game, int column, int row) {
    const Hero& hero = game.hero();
    const Location* continent = game.world().Get(hero.sceptreContinent());
    const Cell cell = PuzzleCell(hero.sceptreCell(), column, row);
    return TerrainImageName(continent ? continent->TerrainAt(cell) : 0);
}

}  // namespace

Cell PuzzleCell(Cell sceptre, int column, int row) {
    const int centre = kPuzzleSize / 2;
    return {sceptre.x + column - centre, sceptre.y - (row - centre)};
}

std::vector<PuzzlePiece> PuzzlePieces(const RunningGame& game) {
    std::vector<PuzzlePiece> pieces;
    Dispatcher* artifacts = FindNode(Root(), "Artifacts");
    if (!artifacts) return pieces;
    for (const auto& [id, item] : artifacts->children()) {
        PuzzlePiece piece;
        if (!PlaceOf(item->AsDispatcher(), piece.column, piece.row)) continue;
        piece.uncovered = game.hero().OwnsArtifact(id);
        piece.picture =
            piece.uncovered ? GroundUnder(game, piece.column, piece.row) : "Img\\Inv\\" + id;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

}  // namespace cv
