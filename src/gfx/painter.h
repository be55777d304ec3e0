#pragma once

#include <cstdint>
#include <string>

#include "core/ref_counted.h"
#include "gfx/geometry.h"
#include "gfx/surface.h"

namespace cv {

class Font;

// One point handed to drawPoints; `value` is read as the point mode says.
struct PaintPoint {
    int32_t x = 0, y = 0;
    uint32_t value = 0;
};

enum PointMode : int {
    kPointsAsColors = 0,  // value is an engine colour
    kPointsAsPixels = 1,  // value is a pixel of the surface's format
    kPointsInCurrent = 2  // value is ignored: the current colour
};

// Draws lines, rectangles, points and text into one surface, clipped to a
// rectangle. Coordinates are the surface's own, except for the screen
// painters, which take logical (landscape) coordinates.
class IPainter : public RefCounted {
public:
    IPainter();
    ~IPainter() override;

    virtual uint32_t rgbToPixel(uint32_t colour) const = 0;
    virtual uint32_t pixelToRgb(uint32_t pixel) const = 0;
    virtual void setPixel(Point point) = 0;
    // Spans include both ends; an empty span draws nothing.
    virtual void drawHLine(int x1, int y, int x2) = 0;
    virtual void drawVLine(int x, int y1, int y2) = 0;
    virtual void fillRect(const Rect& rect) = 0;
    virtual void drawRect(const Rect& rect);
    virtual void drawPoints(int count, const PaintPoint* points, int mode);
    // Through the current font; without one nothing is drawn.
    virtual void drawText(Point position, const std::u16string& text);
    // (0, 0) without a current font.
    virtual Size getTextSize(const std::u16string& text);
    // Draws into `surface` from now on, clipped to the whole of it.
    virtual void attach(Ref<ISurface> surface);
    virtual int getBitsPerPixel() const = 0;
    virtual void fillSpan(uint8_t* address, uint32_t pixel, int count) = 0;
    virtual uint8_t* pixelAddress(int x, int y);

    // The current colour, kept both as engine colour and as pixel.
    void setColor(uint32_t colour);
    void setPixelColor(uint32_t pixel);
    uint32_t color() const { return colour_; }
    uint32_t pixelColor() const { return pixel_; }
    void setFont(Ref<Font> font);
    Font* font() const { return font_.get(); }
    const Rect& clipRect() const { return clip_; }

protected:
    bool InClipX(int x) const { return x >= clip_.x && x - clip_.x < clip_.width; }
    bool InClipY(int y) const { return y >= clip_.y && y - clip_.y < clip_.height; }
    // Cuts [a, b] to the clip range [start, start + length); false when empty.
    static bool ClipSpan(int& a, int& b, int start, int length);

    Ref<Font> font_;
    uint32_t colour_ = 0;
    uint32_t pixel_ = 0;
    Ref<ISurface> surface_;
    SurfaceDesc desc_;
    Rect clip_;
};

// A painter in surface coordinates for a surface of 15, 16 or 24 bits, already
// attached; any other depth fails with "Can't create software painter for
// surface with %d bit/pixel".
Ref<IPainter> createSoftPainter(Ref<ISurface> surface);

}  // namespace cv
