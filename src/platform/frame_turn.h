#pragma once

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace cv::platform {

// The logical (landscape) size of a portrait frame.
inline int UprightWidth(const FrameView& f) {
    return f.height;
}
inline int UprightHeight(const FrameView& f) {
    return f.width;
}

// Turns the portrait 5-6-5 frame upright and converts each pixel in the same
// pass: logical point (x, y) is device column y of device row height-1-x.
// `convert` maps a 5-6-5 pixel to the destination pixel type.
template <class Pixel, class Convert>
void TurnUpright(const FrameView& frame, Pixel* dst, int dstPitchPixels, Convert convert) {
    // Walk the source in rows (contiguous reads); each source row is one
    // destination column.
    for (int row = 0; row < frame.height; ++row) {
        const uint16_t* src = reinterpret_cast<const uint16_t*>(frame.row0 + row * frame.pitch);
        Pixel* out = dst + (frame.height - 1 - row);
        for (int col = 0; col < frame.width; ++col) out[col * dstPitchPixels] = convert(src[col]);
    }
}

// 5-6-5 to 8-bit channels, low bits filled from the high ones so white stays white.
inline uint32_t Rgb565ToRgb888(uint16_t p) {
    uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    r = (r << 3) | (r >> 2);
    g = (g << 2) | (g >> 4);
    b = (b << 3) | (b >> 2);
    return (r << 16) | (g << 8) | b;
}

// The upright frame as packed 8-bit RGB rows.
std::vector<uint8_t> UprightRgb(const FrameView& frame);

// Packed RGB rows of width x height, each pixel repeated `scale` times across
// and down (scale >= 1).
std::vector<uint8_t> ScaledRgb(const std::vector<uint8_t>& rgb, int width, int height, int scale);

}  // namespace cv::platform
