#include "platform/platform.h"

#include <cstdlib>
#include <ctime>

namespace cv::platform {
namespace {
Platform*& CurrentSlot() {
    static Platform* current = nullptr;
    return current;
}
}  // namespace

void Platform::SendToWindow(const Message& message) {
    bool handled = proc_ && proc_(message);
    if (!handled && message.message == WM_CLOSE) DestroyMainWindow();
}

void Platform::DispatchMessage(const Message& message) {
    if (recorder_) recorder_->Dispatched(message);
    SendToWindow(message);
}

int Platform::MessageBox(const std::u16string& text, const std::u16string& caption,
                         uint32_t flags) {
    const int answer = AskMessageBox(text, caption, flags);
    if (recorder_) recorder_->MessageBoxAnswered(answer);
    return answer;
}

uint32_t Platform::TickCount() const {
    const uint32_t ms = ReadTickCount();
    if (recorder_) recorder_->TickCountRead(ms);
    return ms;
}

LocalTime Platform::Now() const {
    const LocalTime now = ReadLocalTime();
    if (recorder_) recorder_->LocalTimeRead(now);
    return now;
}

void Platform::DestroyMainWindow() {
    if (!proc_) return;
    SendToWindow({WM_DESTROY, 0, 0});
    proc_ = nullptr;
    CloseWindowResources();
}

void Platform::PostMessage(const Message& message) {
    if (message.message >= WM_MOUSEMOVE && message.message <= WM_RBUTTONUP) {
        pointer_ = message.lParam;
    }
    queue_.push_back(message);
}

void Platform::PostWheel(int notches) {
    PostMessage({WM_MOUSEWHEEL, MakeWheelParam(notches), pointer_});
}

void Platform::PostQuitMessage(int exitCode) {
    PostMessage({WM_QUIT, static_cast<uint64_t>(exitCode), 0});
}

bool Platform::TakePosted(Message& out) {
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

int ControlCharOfKey(int virtualKey) {
    switch (virtualKey) {
        case 8:
        case 9:
        case 13:
        case 27:
            return virtualKey;
        default:
            return 0;
    }
}

LocalTime SystemLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

Platform& Current() {
    if (!CurrentSlot()) std::abort();  // a wiring fault, not a data error
    return *CurrentSlot();
}

bool HasCurrent() {
    return CurrentSlot() != nullptr;
}

void SetCurrent(Platform* platform) {
    CurrentSlot() = platform;
}

}  // namespace cv::platform
