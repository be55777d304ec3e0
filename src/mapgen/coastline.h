#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// Sets down the plan's castles on the empty sea, recording their centres.
void PlaceCastles(const ContinentPlan& plan, ContinentLayout& layout);
// Raises the inner square as plain land around the castles; on the king's
// continent a bay opens below his gate and a channel runs from it to the sea.
void RaiseLand(const ContinentPlan& plan, ContinentLayout& layout);
// Carves channels into the land until no more than `landTarget` cells remain
// (or no 2 x 2 block of plain land is left to start one from).
void Erode(MapGrid& grid, int landTarget);
// Widens water one cell wide, which the shore tiles cannot draw, until none is left.
void RemoveThinWater(MapGrid& grid);

}  // namespace cv::mapgen
