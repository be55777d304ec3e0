#pragma once

#include "mapgen/map_grid.h"

namespace cv::mapgen {

// The shore tiles run 56..66 in the order of a class's first eleven tiles.
constexpr uint8_t kFirstShoreTile = 56;

// Replaces the working codes by the tiles the terrain kinds draw: castle
// blocks with their gate, the edges and corners of every class, and the
// shore where plain land meets water.
void ChooseTiles(MapGrid& grid);

}  // namespace cv::mapgen
