#pragma once

#include "gfx/painter.h"
#include "gfx/pixel_formats.h"

namespace cv {

// The painter of one pixel format, in surface coordinates.
template <class Format>
class SoftPainter : public IPainter {
public:
    uint32_t rgbToPixel(uint32_t colour) const override { return Format::FromRgb(colour); }
    uint32_t pixelToRgb(uint32_t pixel) const override { return Format::ToRgb(pixel); }
    int getBitsPerPixel() const override { return Format::kBits; }
    void fillSpan(uint8_t* address, uint32_t pixel, int count) override {
        Format::Fill(address, pixel, count);
    }

    void setPixel(Point p) override {
        if (InClipX(p.x) && InClipY(p.y)) Format::Store(pixelAddress(p.x, p.y), pixel_);
    }
    void drawHLine(int x1, int y, int x2) override {
        if (!InClipY(y) || !ClipSpan(x1, x2, clip_.x, clip_.width)) return;
        fillSpan(pixelAddress(x1, y), pixel_, x2 - x1 + 1);
    }
    void drawVLine(int x, int y1, int y2) override {
        if (!InClipX(x) || !ClipSpan(y1, y2, clip_.y, clip_.height)) return;
        uint8_t* at = pixelAddress(x, y1);
        for (int y = y1; y <= y2; ++y, at += desc_.pitch) Format::Store(at, pixel_);
    }
    void fillRect(const Rect& r) override {
        int x1 = r.x, x2 = r.x + r.width - 1, y1 = r.y, y2 = r.y + r.height - 1;
        if (!ClipSpan(x1, x2, clip_.x, clip_.width) || !ClipSpan(y1, y2, clip_.y, clip_.height)) {
            return;
        }
        uint8_t* at = pixelAddress(x1, y1);
        for (int y = y1; y <= y2; ++y, at += desc_.pitch) fillSpan(at, pixel_, x2 - x1 + 1);
    }
};

using SoftPainter15 = SoftPainter<Format15>;
using SoftPainter16 = SoftPainter<Format16>;
using SoftPainter24 = SoftPainter<Format24>;

}  // namespace cv
