#include "gfx/blend_tables.h"

namespace cv {
namespace {

// `scale` turns a channel into 8 bits (8 for 5 bits, 4 for 6).
uint8_t ScreenMix(int p, int q, int scale, int shift) {
    const int P = p * scale, Q = q * scale;
    return static_cast<uint8_t>((P - (P * Q) / 255 + Q) >> shift);
}

BlendTables Build() {
    BlendTables t;
    for (int p = 0; p < 32; ++p) {
        for (int q = 0; q < 32; ++q) t.screen5[p][q] = ScreenMix(p, q, 8, 3);
    }
    for (int p = 0; p < 64; ++p) {
        for (int q = 0; q < 64; ++q) t.screen6[p][q] = ScreenMix(p, q, 4, 2);
    }
    return t;
}

}  // namespace

const BlendTables& TheBlendTables() {
    static const BlendTables tables = Build();
    return tables;
}

}  // namespace cv
