#include "gfx/surface_soft.h"

#include <algorithm>

#include "core/fatal_error.h"
#include "gfx/pixel_formats.h"

namespace cv {

ISurfaceSoft::ISurfaceSoft(int width, int height, int bitsPerPixel) {
    resize(width, height, bitsPerPixel);
}

void ISurfaceSoft::resize(int width, int height, int bitsPerPixel) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    bitsPerPixel_ = bitsPerPixel;
    const size_t bytes =
        static_cast<size_t>(width_) * height_ * BytesPerPixel(std::max(bitsPerPixel, 0));
    if (bytes != pixels_.size()) pixels_.assign(bytes, 0);
}

SurfaceDesc ISurfaceSoft::describe() {
    const int bpp = BytesPerPixel(bitsPerPixel_);
    return {pixels_.data(), width_, height_, width_ * bpp, bpp};
}

void ISurfaceSoft::readSurface(Point origin, ISurface& destination) {
    if (destination.getBitsPerPixel() != bitsPerPixel_) {
        FatalError(
            "ISurfaceSoft::readSurface. Invalid destination depth (%d bit/pix). Required "
            "%d bit/pix",
            destination.getBitsPerPixel(), bitsPerPixel_);
    }
    CopySurfaceRegion(describe(), origin, destination);
}

}  // namespace cv
