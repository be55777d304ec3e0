#include "gfx/surface_dib.h"

#include <algorithm>

#include "core/fatal_error.h"
#include "gfx/pixel_formats.h"

namespace cv {
namespace {

constexpr int kInfoHeaderSize = 40;
constexpr int kMasksSize = 12;
constexpr uint32_t kBitFields = 3;

void Put16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void Put32(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

// Red, green and blue masks of the bit-field depths; none for 24 bits.
bool MasksOf(int bitsPerPixel, uint32_t masks[3]) {
    switch (bitsPerPixel) {
        case 15:
            masks[0] = 0x7C00, masks[1] = 0x3E0, masks[2] = 0x1F;
            return true;
        case 16:
            masks[0] = 0xF800, masks[1] = 0x7E0, masks[2] = 0x1F;
            return true;
        case 32:
            masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
            return true;
        default:
            return false;
    }
}

}  // namespace

ISurfaceDIB::ISurfaceDIB(int width, int height, int bitsPerPixel)
    : bitsPerPixel_(bitsPerPixel), width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (bitsPerPixel != 15 && bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        FatalError("DIB surface init: Invalid color format (%d bit/pixel)", bitsPerPixel);
    }
    const int bytes = BytesPerPixel(bitsPerPixel);
    const int stride = (width_ * bytes + 3) & ~3;
    pitch_ = -stride;
    uint32_t masks[3];
    const bool bitFields = MasksOf(bitsPerPixel, masks);
    headerSize_ = kInfoHeaderSize + (bitFields ? kMasksSize : 0);
    block_.assign(headerSize_ + static_cast<size_t>(height_) * stride, 0);
    uint8_t* h = block_.data();
    Put32(h, kInfoHeaderSize);
    Put32(h + 4, static_cast<uint32_t>(width_));
    Put32(h + 8, static_cast<uint32_t>(height_));  // positive: bottom-up rows
    Put16(h + 12, 1);
    Put16(h + 14, static_cast<uint16_t>(bytes * 8));
    Put32(h + 16, bitFields ? kBitFields : 0);
    for (int i = 0; bitFields && i < 3; ++i) Put32(h + kInfoHeaderSize + 4 * i, masks[i]);
}

SurfaceDesc ISurfaceDIB::describe() {
    const int stride = -pitch_;
    uint8_t* pixels = block_.data() + headerSize_;
    uint8_t* row0 = height_ > 0 ? pixels + static_cast<size_t>(height_ - 1) * stride : pixels;
    return {row0, width_, height_, pitch_, BytesPerPixel(bitsPerPixel_)};
}

void ISurfaceDIB::readSurface(Point origin, ISurface& destination) {
    const int dstBits = destination.getBitsPerPixel();
    if (BytesPerPixel(dstBits) != BytesPerPixel(bitsPerPixel_)) {
        FatalError(
            "ISurfaceDIB::readSurface. Invalid dst bit depth (%d bit/pix). Required %d "
            "bit/pix",
            dstBits, bitsPerPixel_);
    }
    CopySurfaceRegion(describe(), origin, destination);
}

}  // namespace cv
