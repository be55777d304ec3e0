#pragma once

#include <cstdint>

#include "gfx/sprite_compile.h"
#include "gfx/surface.h"

namespace cv {

// How a sprite is drawn: as stored, or mirrored on the device surface.
enum SpriteDrawMode : int {
    kDrawPlain = 0,
    kDrawMirrorRows = 1,    // each device row right to left
    kDrawMirrorColumns = 2  // encoded rows bottom to top within the box
};

// Draws with the stored top-left corner at device (column, row) of a 15-,
// 16- or 24-bit surface (other depths draw nothing). Runs are clipped whole
// to the surface; rows off the surface are never visited.
void DrawSpriteRows(const CompiledSprite& sprite, const SurfaceDesc& target, int bitsPerPixel,
                    int64_t column, int64_t row, int mode);

}  // namespace cv
