#include "autoplay/sceptre_search.h"

#include <algorithm>
#include <set>
#include <utility>

#include "game/world/puzzle_map.h"
#include "game/world/terrain_kinds.h"

namespace cv::autoplay {
namespace {

// The kind whose picture the piece shows, -1 for a covered piece's picture.
int KindOfPicture(const std::string& picture) {
    for (int kind = 0; kind < kTerrainKindCount; ++kind) {
        if (picture == TerrainImageName(kind)) return kind;
    }
    return -1;
}

bool Searchable(const KnownWorld& world, Cell cell) {
    return world.Has(cell, kTerrainWalk) && !world.Has(cell, kTerrainSlow) && !world.ObjectAt(cell);
}

// Confirmed and unknown clues around `cell`; false when one is contradicted.
bool Weigh(const KnownWorld& world, Cell cell, const std::vector<PuzzleClue>& clues,
           SceptreGuess& guess) {
    for (const PuzzleClue& clue : clues) {
        const Cell under = PuzzleCell(cell, clue.column, clue.row);
        const int terrain = IsOnContinent(under) ? world.TerrainAt(under) : 0;
        if (terrain < 0) {
            ++guess.unknown;
        } else if (terrain == clue.terrain) {
            ++guess.confirmed;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<PuzzleClue> ReadPuzzle(const RunningGame& game) {
    std::vector<PuzzleClue> clues;
    std::set<std::pair<int, int>> places;
    // A later piece lies over an earlier one at the same place.
    const std::vector<PuzzlePiece> pieces = PuzzlePieces(game);
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        if (!places.insert({piece->column, piece->row}).second || !piece->uncovered) continue;
        const int terrain = KindOfPicture(piece->picture);
        if (terrain >= 0) clues.push_back({piece->column, piece->row, terrain});
    }
    return clues;
}

std::vector<SceptreGuess> GuessSceptre(const std::vector<PuzzleClue>& clues,
                                       const std::vector<const KnownWorld*>& worlds) {
    std::vector<SceptreGuess> guesses;
    for (const KnownWorld* world : worlds) {
        for (int y = 0; y < kContinentSize; ++y) {
            for (int x = 0; x < kContinentSize; ++x) {
                SceptreGuess guess{world->continent(), {x, y}, 0, 0};
                if (Searchable(*world, guess.cell) && Weigh(*world, guess.cell, clues, guess)) {
                    guesses.push_back(guess);
                }
            }
        }
    }
    std::stable_sort(guesses.begin(), guesses.end(),
                     [](const SceptreGuess& a, const SceptreGuess& b) {
                         if (a.confirmed != b.confirmed) return a.confirmed > b.confirmed;
                         return a.unknown < b.unknown;
                     });
    return guesses;
}

}  // namespace cv::autoplay
