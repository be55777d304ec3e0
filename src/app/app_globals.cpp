#include "app/app_globals.h"

#include "app/graphics_driver.h"
#include "app/pointer_target.h"

namespace cv {

uint32_t& GuiFlags() {
    static uint32_t flags = 0;
    return flags;
}

uint32_t& DisplayFlags() {
    static uint32_t flags = 0;
    return flags;
}

ScreenSize& DeviceScreen() {
    static ScreenSize size;
    return size;
}

bool& RedrawRequested() {
    static bool requested = false;
    return requested;
}

uint32_t& StartTicks() {
    static uint32_t ticks = 0;
    return ticks;
}

namespace {
PointerTarget*& PointerTargetSlot() {
    static PointerTarget* target = nullptr;
    return target;
}
GraphicsDriver*& DriverSlot() {
    static GraphicsDriver* driver = nullptr;
    return driver;
}
}  // namespace

PointerTarget* CurrentPointerTarget() { return PointerTargetSlot(); }
void SetPointerTarget(PointerTarget* target) { PointerTargetSlot() = target; }
GraphicsDriver* CurrentGraphicsDriver() { return DriverSlot(); }
void SetGraphicsDriver(GraphicsDriver* driver) { DriverSlot() = driver; }

}  // namespace cv
