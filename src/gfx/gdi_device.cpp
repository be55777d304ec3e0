#include "gfx/gdi_device.h"

#include "app/app_core.h"
#include "app/app_globals.h"
#include "core/fatal_error.h"
#include "gfx/screen_painters.h"
#include "gfx/sprite.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx/surface_turn.h"
#include "platform/platform.h"

namespace cv {

GdiDevice::GdiDevice() {
    SetGraphicsDevice(this);
    SetGraphicsDriver(this);
}

GdiDevice::~GdiDevice() {
    if (GraphicsDevice() == this) SetGraphicsDevice(nullptr);
    if (CurrentGraphicsDriver() == this) SetGraphicsDriver(nullptr);
}

void GdiDevice::init() {
    const ScreenSize& size = DeviceScreen();
    screen_ = MakeRef<ISurfaceDIB>(size.width, size.height, 16);
}

void GdiDevice::shutdown() {
    screen_ = nullptr;
}

void GdiDevice::endFrame() {
    if (screen_ && (DisplayFlags() & kFlipScreen)) TurnSurface180(*screen_);
}

Size GdiDevice::getScreenSize() const {
    if (!screen_) return {};
    const Size device = screen_->getSize();
    return {device.height, device.width};
}

int GdiDevice::getBitsPerPixel() const {
    return screen_ ? screen_->getBitsPerPixel() : 0;
}

void GdiDevice::present() {
    const AppCore* app = TheAppCore();
    if (!screen_ || !app || !app->active() || !platform::HasCurrent()) return;
    SurfaceLock lock(screen_);
    const SurfaceDesc& d = lock.desc();
    platform::Current().Present({d.row0, d.width, d.height, d.pitch});
}

Ref<ISurface> GdiDevice::createSurface(Size size, int bitsPerPixel) {
    if (bitsPerPixel == 0) bitsPerPixel = getBitsPerPixel();
    return MakeRef<ISurfaceSoft>(size.width, size.height, bitsPerPixel);
}

Ref<IPainter> GdiDevice::createPainter(Ref<ISurface> surface) {
    Ref<IPainter> painter;
    switch (surface->getBitsPerPixel()) {
        case 15:
            painter = MakeRef<ScreenPainter15>();
            break;
        case 16:
            painter = MakeRef<ScreenPainter16>();
            break;
        case 24:
            painter = MakeRef<ScreenPainter24>();
            break;
        default:
            FatalError("Cant create painter for %d bit/pix", surface->getBitsPerPixel());
    }
    painter->attach(std::move(surface));
    return painter;
}

Ref<Sprite> GdiDevice::createSprite() {
    return MakeRef<Sprite>();
}

}  // namespace cv
