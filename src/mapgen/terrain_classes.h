#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// Spreads mountains (A), forest (B) and swamp (C) over plain land in random
// rectangles, each class up to its share of the land; swamp goes first when
// the plan has more of it than of mountains.
void SpreadClasses(const ContinentPlan& plan, MapGrid& grid);

// Spreads one class: up to 101 rectangles while it holds fewer than `target` cells.
void SpreadClass(MapGrid& grid, const TerrainClass& terrainClass, int target);

// Returns to plain land every class cell the class tiles cannot draw: strips
// one cell wide and lone inner corners, until none is left.
void SmoothClasses(MapGrid& grid);

}  // namespace cv::mapgen
