#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::tools {

// A save's game data as text, walked by the layout the game writes: "LOCS"
// with its "loc " records (their object records and "Stop"/"Pos0"
// sub-records), "HERO" with its "SPLS" after the hero's own data, "TIME",
// and "VILS" with a line a villain. One line a part, nested parts indented
// two blanks a level; offsets count from the start of the game data. A chunk shows its tag, offset,
// length and version; a sub-record its tag, offset and length. What the walk
// does not know is shown on an "unknown" line and what breaks the layout on a
// "damaged" line, each with its offset; nothing is guessed.
struct ChunkDump {
    std::vector<std::string> lines;
    bool damaged = false;
};

ChunkDump DumpGameData(const std::vector<uint8_t>& data);

}  // namespace cv::tools
