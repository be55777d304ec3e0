#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// Makes continent `index` (0..3) from the runtime generator seeded with `seed`:
// coast, castles, objects, terrain classes, access to the sea and tiles.
ContinentLayout BuildContinent(int index, unsigned seed);

}  // namespace cv::mapgen
