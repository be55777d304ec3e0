#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "platform/input_recorder.h"
#include "platform/messages.h"

namespace cv::platform {

// The portrait 16-bit (5-6-5) frame as the device surface holds it: `row0` is
// the top row, `pitch` the signed byte step to the row below.
struct FrameView {
    const uint8_t* row0 = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The system services the game asks of its host: one window with a message
// queue, a timer, message boxes, time and screen metrics. One backend is
// current for the process (see SetCurrent).
class Platform {
public:
    using WindowProc = std::function<bool(const Message&)>;

    virtual ~Platform() = default;

    // Another copy of the game already runs: ask it to come to the front.
    virtual bool ActivateRunningInstance(const std::string& className) = 0;

    // Screen of the device in portrait pixels.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;

    // A window that shows a portrait device surface of the given size upright
    // as a landscape picture. `proc` receives every dispatched message; when it
    // returns false the default handling applies (WM_CLOSE destroys the window).
    virtual bool CreateMainWindow(const std::u16string& title, int deviceWidth, int deviceHeight,
                                  WindowProc proc) = 0;
    // Sends WM_DESTROY to the window procedure before the window goes.
    void DestroyMainWindow();
    bool HasWindow() const { return static_cast<bool>(proc_); }
    virtual void ShowMainWindow() = 0;
    virtual void MinimizeMainWindow() = 0;

    // False once WM_QUIT is taken from the queue.
    virtual bool GetMessage(Message& out) = 0;
    void DispatchMessage(const Message& message);
    void PostMessage(const Message& message);
    // A turn of the mouse wheel by whole notches (positive away from the
    // user), at the point of the last pointer message posted.
    void PostWheel(int notches);
    void PostQuitMessage(int exitCode);
    virtual void SetTimer(int id, int periodMs) = 0;
    virtual void KillTimer(int id) = 0;

    // Shows the frame in the window (turned upright, scaled).
    virtual void Present(const FrameView& frame) = 0;
    // Writes the frame last shown as PNG at the game's own size, or with
    // `windowScale` at the whole scale the window shows it. False with `error`
    // set when there is no frame yet or the file cannot be written.
    virtual bool SaveScreenshot(const std::string& path, bool windowScale,
                                std::string& error) const = 0;

    // Returns the IDxx answer.
    int MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags);

    // Read during play, so they pass the recorder like any other input.
    uint32_t TickCount() const;
    LocalTime Now() const;

    // Every dispatched input and hidden read goes to the recorder while one is set.
    void SetRecorder(std::unique_ptr<InputRecorder> recorder) { recorder_ = std::move(recorder); }
    InputRecorder* recorder() const { return recorder_.get(); }
    // The header of the recording being replayed; empty when nothing is replayed.
    virtual RecordingHeader ReplayHeader() const { return {}; }

protected:
    virtual int AskMessageBox(const std::u16string& text, const std::u16string& caption,
                              uint32_t flags) = 0;
    virtual uint32_t ReadTickCount() const = 0;
    virtual LocalTime ReadLocalTime() const = 0;

    // Sends a message to the window procedure as the system would.
    void SendToWindow(const Message& message);
    void SetWindowProc(WindowProc proc) { proc_ = std::move(proc); }
    // Backend clean-up after WM_DESTROY was handled.
    virtual void CloseWindowResources() {}
    // Takes the next posted message; false when none is waiting.
    bool TakePosted(Message& out);

private:
    WindowProc proc_;
    std::deque<Message> queue_;
    int64_t pointer_ = MakePointParam(-1, -1);  // off the screen until the pointer shows
    std::unique_ptr<InputRecorder> recorder_;
};

// The virtual key of the Alt key: its messages are system key messages.
constexpr int kVkMenu = 18;

// The control character a key types when pressed (BS, Tab, Enter, Esc), or 0.
int ControlCharOfKey(int virtualKey);

LocalTime SystemLocalTime();

Platform& Current();
bool HasCurrent();
void SetCurrent(Platform* platform);

}  // namespace cv::platform
