#include "game/world/puzzle_map.h"

#include <optional>

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

// A piece at the definition's place, or none without a valid one.
std::optional<PuzzlePiece> PieceOf(const RunningGame& game, Dispatcher* definition, bool uncovered,
                                   const std::string& coveredPicture) {
    PuzzlePiece piece;
    if (!PlaceOf(definition, piece.column, piece.row)) return std::nullopt;
    piece.uncovered = uncovered;
    piece.picture = uncovered ? GroundUnder(game, piece.column, piece.row) : coveredPicture;
    return piece;
}

}  // namespace

Cell PuzzleCell(Cell sceptre, int column, int row) {
    const int centre = kPuzzleSize / 2;
    return {sceptre.x + column - centre, sceptre.y - (row - centre)};
}

std::vector<PuzzlePiece> PuzzlePieces(const RunningGame& game) {
    std::vector<PuzzlePiece> pieces;
    const auto add = [&](std::optional<PuzzlePiece> piece) {
        if (piece) pieces.push_back(std::move(*piece));
    };
    const VillainTable& villains = game.villains();
    for (int i = 0; i < villains.Count(); ++i) {
        const Villain& villain = villains.At(i);
        add(PieceOf(game, villain.definition(), villain.IsCaught(), villain.Portrait()));
    }
    Dispatcher* artifacts = FindNode(Root(), "Artifacts");
    if (!artifacts) return pieces;
    for (const auto& [id, item] : artifacts->children()) {
        add(PieceOf(game, item->AsDispatcher(), game.hero().OwnsArtifact(id), "Img\\Inv\\" + id));
    }
    return pieces;
}

}  // namespace cv
