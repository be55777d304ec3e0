#pragma once

#include <array>

#include "mapgen/map_grid.h"

namespace cv::mapgen {

// Directions of the carving walk, 1..8 as (da, db); 0 is unused.
constexpr std::array<GridPos, 9> kWalkSteps = {
    {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}}};

// Cuts a 2-cell-wide channel from (a, b) in `direction` (1..8) towards the
// rim, turning aside where it must. A walk that cannot reach the rim puts
// every cell it changed back. True when the rim was reached.
bool CarveToRim(MapGrid& grid, GridPos start, int direction);

}  // namespace cv::mapgen
