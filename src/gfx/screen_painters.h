#pragma once

#include "gfx/soft_painters.h"

namespace cv {

// A painter over the portrait device surface that takes logical (landscape)
// coordinates: logical (x, y) is device column y of device row height-1-x.
// The clipping rectangle is logical: (0, 0, device height, device width).
template <class Format>
class ScreenPainter : public SoftPainter<Format> {
    using Base = SoftPainter<Format>;

public:
    void attach(Ref<ISurface> surface) override {
        Base::attach(std::move(surface));
        logicalWidth_ = this->desc_.height;
        logicalHeight_ = this->desc_.width;
        this->clip_ = {0, 0, logicalWidth_, logicalHeight_};
    }

    void setPixel(Point p) override { Plot(p.x, p.y); }
    // Text comes as points in the current colour: stored here, not through
    // a call for each.
    void drawPoints(int count, const PaintPoint* points, int mode) override {
        if (mode != kPointsInCurrent) return Base::drawPoints(count, points, mode);
        for (int i = 0; i < count; ++i) Plot(points[i].x, points[i].y);
    }
    // A logical column is one span of a device row.
    void drawVLine(int x, int y1, int y2) override {
        if (!this->InClipX(x) || !Base::ClipSpan(y1, y2, this->clip_.y, this->clip_.height)) {
            return;
        }
        this->fillSpan(At(x, y1), this->pixel_, y2 - y1 + 1);
    }
    // A logical row crosses the device rows: one pixel each, one row up per step.
    void drawHLine(int x1, int y, int x2) override {
        if (!this->InClipY(y) || !Base::ClipSpan(x1, x2, this->clip_.x, this->clip_.width)) {
            return;
        }
        uint8_t* at = At(x1, y);
        for (int x = x1; x <= x2; ++x, at -= this->desc_.pitch) Format::Store(at, this->pixel_);
    }
    void fillRect(const Rect& r) override {
        int x1 = r.x, x2 = r.x + r.width - 1, y1 = r.y, y2 = r.y + r.height - 1;
        if (!Base::ClipSpan(x1, x2, this->clip_.x, this->clip_.width) ||
            !Base::ClipSpan(y1, y2, this->clip_.y, this->clip_.height)) {
            return;
        }
        uint8_t* at = At(x1, y1);
        for (int x = x1; x <= x2; ++x, at -= this->desc_.pitch) {
            this->fillSpan(at, this->pixel_, y2 - y1 + 1);
        }
    }

    int logicalWidth() const { return logicalWidth_; }
    int logicalHeight() const { return logicalHeight_; }

private:
    uint8_t* At(int x, int y) { return this->desc_.At(y, logicalWidth_ - 1 - x); }
    void Plot(int x, int y) {
        if (this->InClipX(x) && this->InClipY(y)) Format::Store(At(x, y), this->pixel_);
    }

    int logicalWidth_ = 0, logicalHeight_ = 0;
};

using ScreenPainter15 = ScreenPainter<Format15>;
using ScreenPainter16 = ScreenPainter<Format16>;
using ScreenPainter24 = ScreenPainter<Format24>;

}  // namespace cv
