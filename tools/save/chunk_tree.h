#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::tools {

// One chunk found in a save's game data; offsets count from its start.
struct ChunkNode {
    std::string tag;
    uint32_t offset = 0;
    uint32_t length = 0;  // bytes after the first 8
    uint32_t version = 0;
    int depth = 0;
};

// The top-level chunks must follow each other to the end of the data; the
// function fails (returns false, `error` says where) when they do not.
// Nested records are recognised by their shape inside their parent: four
// letters, digits or blanks, a length that fits, and version 0.
bool ReadChunkTree(const std::vector<uint8_t>& data, std::vector<ChunkNode>& out,
                   std::string& error);

}  // namespace cv::tools
