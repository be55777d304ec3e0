#include "screens/screen_area.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "gfx/graphics_device.h"

namespace cv {
namespace {

// A rectangle of a surface seen as a surface of its own: a sprite drawn into
// it is cut at the rectangle's edges. Sprites clip only to whole surfaces.
class SurfaceWindow : public ISurface {
public:
    SurfaceWindow(Ref<ISurface> whole, const Rect& area) : whole_(std::move(whole)), area_(area) {}

    Size getSize() const override { return {area_.width, area_.height}; }
    int getBitsPerPixel() const override { return whole_->getBitsPerPixel(); }
    void lock() override { whole_->lock(); }
    void unlock() override { whole_->unlock(); }
    SurfaceDesc describe() override {
        SurfaceDesc desc = whole_->describe();
        desc.row0 = desc.At(area_.x, area_.y);
        desc.width = area_.width;
        desc.height = area_.height;
        return desc;
    }
    void readSurface(Point origin, ISurface& destination) override {
        whole_->readSurface({origin.x + area_.x, origin.y + area_.y}, destination);
    }

private:
    Ref<ISurface> whole_;
    Rect area_;
};

Rect Intersection(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

// The screen surface and the part of it, in its own columns and rows, that
// shows the logical rectangle; none without a screen or when nothing of the
// rectangle lies on it.
struct DeviceArea {
    Ref<ISurface> screen;
    Rect area;
};

std::optional<DeviceArea> DeviceAreaOf(const Rect& logical) {
    IGraphicsDevice* device = GraphicsDevice();
    Ref<ISurface> screen = device ? device->getScreenSurface() : nullptr;
    if (!screen) return std::nullopt;
    const Size whole = screen->getSize();
    const Rect area = Intersection(
        {logical.y, whole.height - logical.x - logical.width, logical.height, logical.width},
        {0, 0, whole.width, whole.height});
    if (area.width == 0 || area.height == 0) return std::nullopt;
    return DeviceArea{std::move(screen), area};
}

}  // namespace

void DrawWithin(const Sprite& sprite, Point at, const Rect& clip) {
    const std::optional<DeviceArea> on = DeviceAreaOf(clip);
    if (!on) return;
    const Rect& area = on->area;
    // Counted: the lock while drawing holds it too.
    const Ref<SurfaceWindow> window = MakeRef<SurfaceWindow>(on->screen, area);
    const int64_t row = int64_t{on->screen->getSize().height} - at.x - sprite.getSize().width;
    sprite.drawOnto(*window, at.y - area.x, row - area.y, kDrawPlain);
}

bool ScreenPatch::restore(const std::string& key, const Rect& area) {
    if (pixels_.empty() || !(area == area_) || key != key_) return false;
    const std::optional<DeviceArea> on = DeviceAreaOf(area);
    if (!on || !(on->area == deviceArea_)) return false;
    const SurfaceDesc d = on->screen->describe();
    if (d.bytesPerPixel != bytesPerPixel_) return false;
    const size_t rowBytes = static_cast<size_t>(deviceArea_.width) * bytesPerPixel_;
    const uint8_t* from = pixels_.data();
    for (int y = deviceArea_.y; y < deviceArea_.y + deviceArea_.height; ++y, from += rowBytes) {
        std::memcpy(d.At(deviceArea_.x, y), from, rowBytes);
    }
    return true;
}

void ScreenPatch::capture(std::string key, const Rect& area) {
    pixels_.clear();
    const std::optional<DeviceArea> on = DeviceAreaOf(area);
    if (!on) return;
    const SurfaceDesc d = on->screen->describe();
    key_ = std::move(key);
    area_ = area;
    deviceArea_ = on->area;
    bytesPerPixel_ = d.bytesPerPixel;
    const size_t rowBytes = static_cast<size_t>(deviceArea_.width) * bytesPerPixel_;
    for (int y = deviceArea_.y; y < deviceArea_.y + deviceArea_.height; ++y) {
        const uint8_t* row = d.At(deviceArea_.x, y);
        pixels_.insert(pixels_.end(), row, row + rowBytes);
    }
}

}  // namespace cv
