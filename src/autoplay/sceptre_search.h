#pragma once

#include <vector>

#include "autoplay/known_world.h"

namespace cv::autoplay {

// An uncovered piece of the puzzle: its place and the ground it shows.
struct PuzzleClue {
    int column = 0;
    int row = 0;
    int terrain = 0;
};

// The uncovered pieces as the puzzle screen shows them, one per place.
std::vector<PuzzleClue> ReadPuzzle(const RunningGame& game);

// A cell where the sceptre may lie, with how many clues its known
// surroundings confirm and how many fall on cells not known yet.
struct SceptreGuess {
    int continent = 0;
    Cell cell;
    int confirmed = 0;
    int unknown = 0;
};

// The known cells the hero could search (walkable, not swamp, nothing seen
// on them) around which no known cell contradicts a clue, most confirmed
// first, then fewest unknown, then continent and cell order. Beyond a
// continent's edge lies open sea.
std::vector<SceptreGuess> GuessSceptre(const std::vector<PuzzleClue>& clues,
                                       const std::vector<const KnownWorld*>& worlds);

}  // namespace cv::autoplay
