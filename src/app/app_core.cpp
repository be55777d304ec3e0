#include "app/app_core.h"

#include <cstdlib>

#include "app/app_globals.h"
#include "app/key_codes.h"
#include "platform/platform.h"
#include "app/pointer_target.h"

namespace cv {
namespace {
AppCore*& AppCoreSlot() {
    static AppCore* app = nullptr;
    return app;
}
AppWindow*& AppWindowSlot() {
    static AppWindow* app = nullptr;
    return app;
}

using namespace platform;

// Mouse message wParam bits to pointer modifier bits.
uint32_t ModifiersOf(uint64_t wParam) {
    uint32_t bits = 0;
    if (wParam & MK_LBUTTON) bits |= PointerEvent::Left;
    if (wParam & MK_RBUTTON) bits |= PointerEvent::Right;
    if (wParam & MK_MBUTTON) bits |= PointerEvent::Middle;
    if (wParam & MK_CONTROL) bits |= PointerEvent::Control;
    if (wParam & MK_SHIFT) bits |= PointerEvent::Shift;
    return bits;
}

// The window delivers landscape points; a turned screen turns them with it.
void TurnWithScreen(int32_t& x, int32_t& y) {
    if (!(DisplayFlags() & kFlipScreen)) return;
    x = DeviceScreen().height - x - 1;
    y = DeviceScreen().width - y - 1;
}

bool IsPointerMessage(uint32_t message) {
    return message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
}

}  // namespace

AppCore* TheAppCore() { return AppCoreSlot(); }
AppWindow* TheAppWindow() { return AppWindowSlot(); }

AppCore::AppCore() { AppCoreSlot() = this; }

AppCore::~AppCore() {
    if (AppCoreSlot() == this) AppCoreSlot() = nullptr;
}

void AppCore::Idle() {
    if (screen_ && active_) screen_->Update();
}

void AppCore::Quit() { std::exit(0); }

bool AppCore::OnKey(int key, bool pressed) { return screen_ && screen_->OnKey(key, pressed); }

bool AppCore::OnChar(char16_t ch) { return screen_ && screen_->OnChar(ch); }

void AppCore::SetScreen(Screen* screen) {
    if (screen_) screen_->Activate(false);
    screen_ = screen;
    if (screen_) screen_->Activate(true);
}

AppWindow::AppWindow() { AppWindowSlot() = this; }

AppWindow::~AppWindow() {
    if (AppWindowSlot() == this) AppWindowSlot() = nullptr;
}

void AppWindow::Quit() { Current().DestroyMainWindow(); }

void AppWindow::Minimize() { Current().MinimizeMainWindow(); }

void AppWindow::RoutePointer(const Message& message) {
    PointerEvent event;
    switch (message.message) {
        case WM_MOUSEMOVE: event.kind = PointerEvent::Move; break;
        case WM_LBUTTONDOWN: event.kind = PointerEvent::Press; event.button = 1; break;
        case WM_LBUTTONUP: event.kind = PointerEvent::Release; event.button = 1; break;
        case WM_RBUTTONDOWN: event.kind = PointerEvent::Press; event.button = 2; break;
        default: event.kind = PointerEvent::Release; event.button = 2; break;
    }
    event.x = PointX(message.lParam);
    event.y = PointY(message.lParam);
    event.modifiers = ModifiersOf(message.wParam);
    TurnWithScreen(event.x, event.y);
    if (PointerTarget* target = CurrentPointerTarget()) target->OnPointerEvent(event);
}

void AppWindow::RouteWheel(const Message& message) {
    int32_t x = PointX(message.lParam), y = PointY(message.lParam);
    TurnWithScreen(x, y);
    const int notches = WheelNotches(message.wParam);
    PointerTarget* target = CurrentPointerTarget();
    if (target && notches != 0) target->OnWheel(x, y, notches);
}

bool AppWindow::HandleMessage(const Message& message) {
    if (IsPointerMessage(message.message)) {
        RoutePointer(message);
        return true;
    }
    if (message.message == WM_MOUSEWHEEL) {
        RouteWheel(message);
        return true;
    }
    if (TranslateKeyMessage(message.message, message.wParam, message.lParam)) return true;
    switch (message.message) {
        case WM_TIMER:
            if (active_ && screen_) screen_->Tick();
            return true;
        case WM_DESTROY: Current().PostQuitMessage(0); return true;
        case WM_ACTIVATE: SetActive((message.wParam & 0xFFFF) != 0); return true;
        default: return false;
    }
}

}  // namespace cv
