#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::tool {

// A picture of a generated map set: the continents side by side in the order
// of their Index, `kCellPixels` a cell, each cell coloured by its terrain
// class, with towns, castles, treasure spots, armies and the special places
// of "Misc" marked. Reads `folder`'s "map.ini" and "Terr\<id>.cvmap"; a file
// that is missing or malformed is an engine error.
struct MapPicture {
    static constexpr int kCellPixels = 4;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // packed rows
};

MapPicture DrawMapSet(const std::string& folder);

}  // namespace cv::tool
