#pragma once

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/headless/script_reader.h"
#include "platform/platform.h"

namespace cv::platform {

// A platform without a window: input comes from a script, time is virtual
// (each tick advances the clock by one timer period), message boxes go to
// standard error, and the last presented frame can be saved as PNG.
class HeadlessPlatform : public Platform {
public:
    // Turns a key name of the game's key table into the virtual key that
    // produces it; -1 when no key does.
    using KeyResolver = std::function<int(const std::string&)>;

    // `scriptPath` empty: the start-up runs and the window is closed at once.
    HeadlessPlatform(const std::string& scriptPath, KeyResolver resolveKey);

    bool ActivateRunningInstance(const std::string&) override { return false; }
    int ScreenWidth() const override { return 480; }
    int ScreenHeight() const override { return 640; }
    bool CreateMainWindow(const std::u16string& title, int deviceWidth, int deviceHeight,
                          WindowProc proc) override;
    void ShowMainWindow() override {}
    // There is no window to put away; the calls are only counted.
    void MinimizeMainWindow() override { ++minimizeCalls_; }
    bool GetMessage(Message& out) override;
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void Present(const FrameView& frame) override;
    // There is no window: both sizes are the game's own.
    bool SaveScreenshot(const std::string& path, bool windowScale,
                        std::string& error) const override;
    RecordingHeader ReplayHeader() const override { return header_; }

    // Runs one script command (tests drive the platform with these directly).
    void Execute(const ScriptCommand& command);
    // The last presented frame, upright, as packed RGB; empty before the first.
    const std::vector<uint8_t>& frame() const { return frame_; }
    int frameWidth() const { return frameWidth_; }
    int frameHeight() const { return frameHeight_; }
    // How often the game asked to minimise its window.
    int minimizeCalls() const { return minimizeCalls_; }

protected:
    int AskMessageBox(const std::u16string& text, const std::u16string& caption,
                      uint32_t flags) override;
    // A recording's "clock" and "now" lines give what was read when it was made;
    // without them the virtual clock answers.
    uint32_t ReadTickCount() const override;
    LocalTime ReadLocalTime() const override;

private:
    void PostPointer(uint32_t message, int x, int y);
    void PostKey(const std::string& name, bool down, bool up, bool system);
    void SaveShot(const std::string& path) const;
    bool NextCommand(ScriptCommand& out) const;
    // Takes the next script command when it is of `kind`, else leaves it for later.
    bool TakeNext(ScriptCommand::Kind kind, ScriptCommand& out) const;
    std::string NextAnswer();

    std::unique_ptr<std::ifstream> scriptFile_;
    std::unique_ptr<ScriptReader> script_;
    RecordingHeader header_;
    KeyResolver resolveKey_;
    bool closeRequested_ = false;
    bool timerOn_ = false;
    uint32_t clockMs_ = 0;
    uint32_t buttons_ = 0;
    std::vector<std::string> answers_;
    // Read ahead while looking for a recorded answer or reading; the script is
    // input, so reading it ahead does not change what the platform is.
    mutable std::optional<ScriptCommand> pending_;
    std::vector<uint8_t> frame_;
    int frameWidth_ = 0, frameHeight_ = 0;
    int minimizeCalls_ = 0;
};

}  // namespace cv::platform
