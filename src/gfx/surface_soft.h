#pragma once

#include <vector>

#include "gfx/surface.h"

namespace cv {

// A plain memory surface: rows packed one after the other, row 0 first.
class ISurfaceSoft : public ISurface {
public:
    ISurfaceSoft(int width, int height, int bitsPerPixel);

    Size getSize() const override { return {width_, height_}; }
    int getBitsPerPixel() const override { return bitsPerPixel_; }
    SurfaceDesc describe() override;
    // Fails with "ISurfaceSoft::readSurface. Invalid destination depth ..." when
    // the destination's bits per pixel differ from this surface's.
    void readSurface(Point origin, ISurface& destination) override;

    // Keeps the pixel buffer when the byte size stays the same; the contents
    // are then kept too, otherwise the new buffer is zeroed.
    void resize(int width, int height, int bitsPerPixel);

private:
    int width_ = 0, height_ = 0, bitsPerPixel_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace cv
