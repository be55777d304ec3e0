#pragma once

#include <vector>

#include "gfx/surface.h"

namespace cv {

// A device-independent bitmap: the bitmap header (with the colour masks for
// 15, 16 and 32 bits) followed by the pixel rows in one block. Rows are stored
// bottom-up, each padded to 4 bytes, so row 0 is the last row in memory and
// the pitch is negative. This is the screen surface.
class ISurfaceDIB : public ISurface {
public:
    // Fails with "DIB surface init: Invalid color format (%d bit/pixel)" for a
    // depth other than 15, 16, 24 or 32.
    ISurfaceDIB(int width, int height, int bitsPerPixel);

    Size getSize() const override { return {width_, height_}; }
    int getBitsPerPixel() const override { return bitsPerPixel_; }
    SurfaceDesc describe() override;
    // Fails with "ISurfaceDIB::readSurface. Invalid dst bit depth ..." when the
    // destination's pixels take another number of bytes.
    void readSurface(Point origin, ISurface& destination) override;

    const uint8_t* header() const { return block_.data(); }
    int headerSize() const { return headerSize_; }
    int pitch() const { return pitch_; }

private:
    int bitsPerPixel_;
    int pitch_;
    int width_, height_;
    std::vector<uint8_t> block_;
    int headerSize_;
};

}  // namespace cv
