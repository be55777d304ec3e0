#include "gfx/graphics_device.h"

namespace cv {
namespace {

IGraphicsDevice*& DeviceSlot() {
    static IGraphicsDevice* device = nullptr;
    return device;
}

Ref<IPainter>& PainterSlot() {
    static Ref<IPainter> painter;
    return painter;
}

// Drops the frame's painter however the frame ends.
struct CurrentPainterScope {
    explicit CurrentPainterScope(Ref<IPainter> painter) { PainterSlot() = std::move(painter); }
    ~CurrentPainterScope() { PainterSlot() = nullptr; }
    CurrentPainterScope(const CurrentPainterScope&) = delete;
    CurrentPainterScope& operator=(const CurrentPainterScope&) = delete;
};

}  // namespace

IGraphicsDevice* GraphicsDevice() {
    return DeviceSlot();
}
void SetGraphicsDevice(IGraphicsDevice* device) {
    DeviceSlot() = device;
}
IPainter* CurrentPainter() {
    return PainterSlot().get();
}

void RenderFrame(const std::function<void(IPainter&)>& paint) {
    IGraphicsDevice* device = GraphicsDevice();
    if (!device) return;
    device->beginFrame();
    Ref<ISurface> screen = device->getScreenSurface();
    if (!screen) return;
    CurrentPainterScope scope(device->createPainter(screen));
    paint(*CurrentPainter());
    device->endFrame();
    device->present();
}

}  // namespace cv
