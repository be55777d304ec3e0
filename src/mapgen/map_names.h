#pragma once

#include <string>
#include <vector>

namespace cv::mapgen {

struct TownAndCastle {
    const char* town;
    const char* castle;  // the castle the town sells news of
};

// A generated continent's id and, row by row, its towns with their castles.
struct ContinentNames {
    const char* id;
    std::vector<TownAndCastle> towns;
};

// The names of continent `index` (0..3).
const ContinentNames& NamesOf(int index);

}  // namespace cv::mapgen
