#include "app/app_core.h"
#include "app/app_globals.h"
#include "app/graphics_driver.h"
#include "platform/platform.h"

namespace cv {

using namespace platform;

bool Application::Init() {
    const ScreenSize& size = DeviceScreen();
    Platform& host = Current();
    bool created = host.CreateMainWindow(Title(), size.width, size.height,
                                         [this](const Message& m) { return HandleMessage(m); });
    if (!created) return false;
    if (GraphicsDriver* driver = CurrentGraphicsDriver()) driver->Open();
    host.ShowMainWindow();
    host.SetTimer(kTimerId, kTimerPeriodMs);
    return true;
}

void Application::Exit() {
    Current().KillTimer(kTimerId);
    if (GraphicsDriver* driver = CurrentGraphicsDriver()) driver->Close();
    Current().DestroyMainWindow();
}

void Application::Run() {
    Platform& host = Current();
    StartTicks() = host.TickCount();
    Message message;
    while (host.GetMessage(message)) {
        host.DispatchMessage(message);
        Idle();
    }
}

void Application::SetActive(bool active) {
    AppWindow::SetActive(active);
    GraphicsDriver* driver = CurrentGraphicsDriver();
    if (!driver) return;
    if (active) {
        driver->Resume();
        driver->Present();
    } else {
        driver->Suspend();
    }
}

bool Application::HandleMessage(const Message& message) {
    if (message.message == WM_ERASEBKGND) return true;
    if (AppWindow::HandleMessage(message)) return true;
    if (message.message == WM_PAINT) {
        if (GraphicsDriver* driver = CurrentGraphicsDriver()) driver->Present();
    }
    return false;
}

}  // namespace cv
