#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/resource_groups.h"
#include "core_test_support.h"
#include "gfx/surface.h"
#include "support/error_of.h"

namespace cv::test {

// The pixel at (x, y), its bytes read little-endian.
inline uint32_t PixelAt(const SurfaceDesc& d, int x, int y) {
    uint32_t v = 0;
    for (int i = d.bytesPerPixel - 1; i >= 0; --i) v = v << 8 | d.At(x, y)[i];
    return v;
}

inline void SetPixelAt(const SurfaceDesc& d, int x, int y, uint32_t v) {
    for (int i = 0; i < d.bytesPerPixel; ++i) d.At(x, y)[i] = uint8_t(v >> (8 * i));
}

// The cells of a surface that are not 0.
inline std::set<std::pair<int, int>> Inked(ISurface& s) {
    const SurfaceDesc d = s.describe();
    std::set<std::pair<int, int>> cells;
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            if (PixelAt(d, x, y)) cells.insert({x, y});
        }
    }
    return cells;
}

// A sprite file holding `words` after its "S16" tag.
inline std::string SpriteFile(const std::vector<uint16_t>& words) {
    std::string bytes("S16\0", 4);
    for (uint16_t w : words) bytes += {char(w & 0xFF), char(w >> 8)};
    return bytes;
}

// A scratch folder that is the default resource group while it lives.
struct ResourceFolder : ScratchDir {
    ResourceFolder() { UseFolderAsGame(*this); }
    ~ResourceFolder() { ResetResourceGroups(); }
};

}  // namespace cv::test
