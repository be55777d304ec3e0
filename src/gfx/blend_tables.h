#pragma once

#include <cstdint>

namespace cv {

// Precomputed channel mixes for the screen blend (lightening) on 15- and
// 16-bit surfaces: [source channel][destination channel]. Alpha blending is
// computed (sprite_pixels.h), eight pixels at a time.
struct BlendTables {
    uint8_t screen5[32][32];
    uint8_t screen6[64][64];
};

// Built on first use and kept.
const BlendTables& TheBlendTables();

}  // namespace cv
