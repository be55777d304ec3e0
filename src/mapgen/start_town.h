#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// A hero starts at the king's castle gate on foot, and only a town rents him
// the boat that takes him anywhere: when no town stands within his reach,
// the town nearest to the gate moves to the nearest plain cell by the water
// that he can walk to and that leaves the rest of his ground, and its way
// to the sea, open. Draws nothing. The king's castle is the last castle.
void BringATownToTheStart(ContinentLayout& layout);

}  // namespace cv::mapgen
