#include "gfx/surface.h"

#include <algorithm>
#include <cstring>

#include "gfx/surface_soft.h"

namespace cv {

Ref<ISurface> ISurface::readRect(const Rect& rect) {
    Ref<ISurface> copy = MakeRef<ISurfaceSoft>(rect.width, rect.height, getBitsPerPixel());
    readSurface({rect.x, rect.y}, *copy);
    return copy;
}

void CopySurfaceRegion(const SurfaceDesc& source, Point origin, ISurface& destination) {
    const Size size = destination.getSize();
    const int ox = origin.x, oy = origin.y;
    // Wide arithmetic: an origin near the int limits must not wrap into view.
    const int64_t right = int64_t{ox} + size.width, bottom = int64_t{oy} + size.height;
    if (right <= 0 || ox >= source.width || bottom < 1 || oy >= source.height) return;
    const int x0 = std::max(ox, 0), y0 = std::max(oy, 0);
    const int x1 = static_cast<int>(std::min<int64_t>(right, source.width));
    const int y1 = static_cast<int>(std::min<int64_t>(bottom, source.height));
    SurfaceLock target(&destination);
    const SurfaceDesc& dst = target.desc();
    const int dx = ox < 0 ? -ox : 0, dy = oy < 0 ? -oy : 0;
    const size_t rowBytes = static_cast<size_t>(x1 - x0) * source.bytesPerPixel;
    for (int y = y0; y < y1; ++y) {
        std::memcpy(dst.At(dx, dy + y - y0), source.At(x0, y), rowBytes);
    }
}

}  // namespace cv
