#pragma once

#include <cstdint>
#include <vector>

#include "gfx/sprite.h"
#include "gfx/surface.h"

namespace cv {

// An upright picture as image files hold it: rows top to bottom, four bytes a
// pixel (red, green, blue, alpha).
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t* At(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* At(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * width + x) * 4];
    }
};

// The picture turned into the stored orientation, as a surface a sprite of
// the build mode is built from: 32 bits for alpha sprites, else 24.
Ref<ISurface> StoredSurfaceOf(const RgbaPicture& picture, int mode);

// What the sprite shows, upright, with alpha: drawn by the sprite's own
// drawing over black and over white, which tells its transparency apart.
RgbaPicture UprightPictureOf(const Sprite& sprite);

}  // namespace cv
