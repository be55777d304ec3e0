#include "gfx/surface_turn.h"

#include <algorithm>

namespace cv {
namespace {

template <int N>
struct Pixel {
    uint8_t bytes[N];
};

template <class P>
void TurnRows(const SurfaceDesc& d) {
    // Rows pair up from the outside in; the first is read from the left while
    // its partner is read from the right.
    int top = 0, bottom = d.height - 1;
    for (; top < bottom; ++top, --bottom) {
        P* a = reinterpret_cast<P*>(d.At(0, top));
        P* b = reinterpret_cast<P*>(d.At(0, bottom));
        for (int i = 0; i < d.width; ++i) std::swap(a[i], b[d.width - 1 - i]);
    }
    if (top == bottom) {
        P* middle = reinterpret_cast<P*>(d.At(0, top));
        std::reverse(middle, middle + d.width);
    }
}

}  // namespace

void TurnSurface180(ISurface& surface) {
    const SurfaceDesc d = surface.describe();
    surface.lock();
    switch (d.bytesPerPixel) {
        case 1:
            TurnRows<uint8_t>(d);
            break;
        case 2:
            TurnRows<uint16_t>(d);
            break;
        case 3:
            TurnRows<Pixel<3>>(d);
            break;
        case 4:
            TurnRows<uint32_t>(d);
            break;
        default:
            break;
    }
    surface.unlock();
}

}  // namespace cv
