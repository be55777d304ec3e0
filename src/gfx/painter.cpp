#include "gfx/painter.h"

#include <algorithm>

#include "core/fatal_error.h"
#include "gfx/font.h"
#include "gfx/soft_painters.h"

namespace cv {

IPainter::IPainter() = default;
IPainter::~IPainter() = default;

bool IPainter::ClipSpan(int& a, int& b, int start, int length) {
    const int64_t last = int64_t{start} + length - 1;
    a = std::max(a, start);
    b = static_cast<int>(std::min<int64_t>(b, last));
    return a <= b;
}

void IPainter::drawRect(const Rect& r) {
    const int right = r.x + r.width - 1, bottom = r.y + r.height - 1;
    drawHLine(r.x, r.y, right);
    drawVLine(r.x, r.y, bottom);
    drawVLine(right, r.y, bottom);
    drawHLine(r.x, bottom, right);
}

void IPainter::drawPoints(int count, const PaintPoint* points, int mode) {
    for (int i = 0; i < count; ++i) {
        if (mode == kPointsAsColors) setColor(points[i].value);
        if (mode == kPointsAsPixels) setPixelColor(points[i].value);
        setPixel({points[i].x, points[i].y});
    }
}

void IPainter::drawText(Point position, const std::u16string& text) {
    if (font_) font_->drawText(*this, position, text);
}

Size IPainter::getTextSize(const std::u16string& text) {
    return font_ ? font_->getTextSize(text) : Size{};
}

void IPainter::attach(Ref<ISurface> surface) {
    surface_ = std::move(surface);
    desc_ = surface_->describe();
    clip_ = {0, 0, desc_.width, desc_.height};
}

uint8_t* IPainter::pixelAddress(int x, int y) {
    return desc_.At(x, y);
}

void IPainter::setColor(uint32_t colour) {
    colour_ = colour;
    pixel_ = rgbToPixel(colour);
}

void IPainter::setPixelColor(uint32_t pixel) {
    pixel_ = pixel;
    colour_ = pixelToRgb(pixel);
}

void IPainter::setFont(Ref<Font> font) {
    font_ = std::move(font);
}

Ref<IPainter> createSoftPainter(Ref<ISurface> surface) {
    Ref<IPainter> painter;
    switch (surface->getBitsPerPixel()) {
        case 15:
            painter = MakeRef<SoftPainter15>();
            break;
        case 16:
            painter = MakeRef<SoftPainter16>();
            break;
        case 24:
            painter = MakeRef<SoftPainter24>();
            break;
        default:
            FatalError("Can't create software painter for surface with %d bit/pixel",
                       surface->getBitsPerPixel());
    }
    painter->attach(std::move(surface));
    return painter;
}

}  // namespace cv
