#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::e2e {

// A package read from nothing but its file format and zlib, to check the
// game's writer from the outside.
struct RawEntry {
    std::string name;
    uint32_t offset = 0;
    uint32_t storedSize = 0;
    std::string content;  // unpacked when the package is compressed
};

struct RawPackage {
    uint32_t first = 0, totalLength = 0, count = 0, directoryOffset = 0, compressed = 0;
    uint32_t dataStart = 0;  // the first byte after the directory
    std::vector<RawEntry> entries;
};

// Throws std::runtime_error on anything out of place.
RawPackage ReadPackageIndependently(const std::string& bytes);

}  // namespace cv::e2e
