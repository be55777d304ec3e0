#pragma once

#include <cstdint>

#include "gfx/surface.h"

namespace cv {

// A checked sprite as the blitter sees it: its words, where each encoded row
// starts, and the header fields it needs.
struct SpriteRows {
    const uint16_t* words;
    const uint32_t* rowStarts;
    int rowCount;  // rows up to the end of the sprite, at most boxHeight
    int width;
    int boxX, boxY, boxWidth, boxHeight;
};

// Draws with the stored top-left corner at device (column, row) of a 15-,
// 16- or 24-bit surface (other depths draw nothing). Runs are clipped whole
// to the surface; rows off the surface are never visited.
void DrawSpriteRows(const SpriteRows& sprite, const SurfaceDesc& target, int bitsPerPixel,
                    int64_t column, int64_t row, int mode);

}  // namespace cv
