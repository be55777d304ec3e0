#pragma once

#include <cstdint>

namespace cv {

// Precomputed channel mixes, so that blending needs no multiplication.
struct BlendTables {
    // [alpha 0-15][source 4-bit channel][destination channel]: the mixed channel.
    uint8_t alpha5[16][16][32];
    uint8_t alpha6[16][16][64];
    // [source channel][destination channel]: the screen blend (lightening).
    uint8_t screen5[32][32];
    uint8_t screen6[64][64];
};

// Built on first use and kept.
const BlendTables& TheBlendTables();

}  // namespace cv
