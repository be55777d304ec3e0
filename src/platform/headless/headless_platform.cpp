#include "platform/headless/headless_platform.h"

#include <iostream>

#include "platform/frame_turn.h"
#include "platform/png_file.h"
#include "platform/utf.h"

namespace cv::platform {
namespace {

struct ButtonSet {
    std::vector<std::pair<const char*, int>> buttons;
    int fallback;
};

ButtonSet ButtonsOf(uint32_t flags) {
    switch (flags & 0x0F) {
        case MB_OKCANCEL:
            return {{{"OK", IDOK}, {"Cancel", IDCANCEL}}, IDOK};
        case MB_YESNO:
            return {{{"Yes", IDYES}, {"No", IDNO}}, IDYES};
        // A missing file must not be retried for ever.
        case MB_RETRYCANCEL:
            return {{{"Retry", IDRETRY}, {"Cancel", IDCANCEL}}, IDCANCEL};
        default:
            return {{{"OK", IDOK}}, IDOK};
    }
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(const std::string& scriptPath, KeyResolver resolveKey)
    : resolveKey_(std::move(resolveKey)) {
    if (scriptPath.empty()) return;
    scriptFile_ = std::make_unique<std::ifstream>(scriptPath);
    if (!*scriptFile_) throw ScriptError("cannot open script " + scriptPath);
    script_ = std::make_unique<ScriptReader>(*scriptFile_, scriptPath);
    header_ = script_->ReadHeader();
}

bool HeadlessPlatform::CreateMainWindow(const std::u16string&, int deviceWidth, int deviceHeight,
                                        WindowProc proc) {
    frameWidth_ = deviceHeight;
    frameHeight_ = deviceWidth;
    SetWindowProc(std::move(proc));
    return true;
}

bool HeadlessPlatform::GetMessage(Message& out) {
    while (true) {
        if (TakePosted(out)) return out.message != WM_QUIT;
        ScriptCommand command;
        if (NextCommand(command)) {
            Execute(command);
        } else if (!closeRequested_ && HasWindow()) {
            closeRequested_ = true;
            PostMessage({WM_CLOSE, 0, 0});
        } else {
            // Nothing left to drive the program: end the loop as a quit would.
            out = {WM_QUIT, 0, 0};
            return false;
        }
    }
}

void HeadlessPlatform::Execute(const ScriptCommand& c) {
    switch (c.kind) {
        case ScriptCommand::Tap:
            PostPointer(WM_LBUTTONDOWN, c.x, c.y);
            PostPointer(WM_LBUTTONUP, c.x, c.y);
            break;
        case ScriptCommand::Press:
            PostPointer(WM_LBUTTONDOWN, c.x, c.y);
            break;
        case ScriptCommand::RightPress:
            PostPointer(WM_RBUTTONDOWN, c.x, c.y);
            break;
        case ScriptCommand::RightRelease:
            PostPointer(WM_RBUTTONUP, c.x, c.y);
            break;
        case ScriptCommand::Move:
            PostPointer(WM_MOUSEMOVE, c.x, c.y);
            break;
        case ScriptCommand::Release:
            PostPointer(WM_LBUTTONUP, c.x, c.y);
            break;
        case ScriptCommand::Key:
            PostKey(c.text, true, true, false);
            break;
        case ScriptCommand::KeyDown:
            PostKey(c.text, true, false, false);
            break;
        case ScriptCommand::KeyUp:
            PostKey(c.text, false, true, false);
            break;
        case ScriptCommand::SysKeyDown:
            PostKey(c.text, true, false, true);
            break;
        case ScriptCommand::SysKeyUp:
            PostKey(c.text, false, true, true);
            break;
        case ScriptCommand::Char:
            PostMessage({WM_CHAR, static_cast<uint64_t>(c.x), 0});
            break;
        case ScriptCommand::Text:
            for (char16_t ch : Utf8ToUtf16(c.text)) PostMessage({WM_CHAR, ch, 0});
            break;
        case ScriptCommand::Tick:
            for (int i = 0; i < c.x && timerOn_; ++i) {
                clockMs_ += kTimerPeriodMs;
                PostMessage({WM_TIMER, static_cast<uint64_t>(kTimerId), 0});
            }
            break;
        case ScriptCommand::Answer:
            answers_.push_back(c.text);
            break;
        case ScriptCommand::Shot:
            SaveShot(c.text);
            break;
        case ScriptCommand::Wheel:
            PostWheel(c.x);
            break;
        case ScriptCommand::Activate:
            PostMessage({WM_ACTIVATE, static_cast<uint64_t>(c.x), 0});
            break;
        case ScriptCommand::Quit:
            closeRequested_ = true;
            PostMessage({WM_CLOSE, 0, 0});
            break;
        // A reading the game no longer asks for at this point: the replay has
        // left the recording's path, and the clock answers from now on.
        case ScriptCommand::Clock:
        case ScriptCommand::Now:
            break;
    }
}

bool HeadlessPlatform::NextCommand(ScriptCommand& out) const {
    if (pending_) {
        out = *pending_;
        pending_.reset();
        return true;
    }
    return script_ && script_->Next(out);
}

bool HeadlessPlatform::TakeNext(ScriptCommand::Kind kind, ScriptCommand& out) const {
    if (!NextCommand(out)) return false;
    if (out.kind == kind) return true;
    pending_ = out;
    return false;
}

// The scripted answer for a box shown now: one given earlier, or an "answer"
// line that comes next (a box can appear before the script is read that far).
std::string HeadlessPlatform::NextAnswer() {
    if (answers_.empty()) {
        ScriptCommand command;
        return TakeNext(ScriptCommand::Answer, command) ? command.text : std::string();
    }
    std::string answer = answers_.front();
    answers_.erase(answers_.begin());
    return answer;
}

void HeadlessPlatform::PostPointer(uint32_t message, int x, int y) {
    if (message == WM_LBUTTONDOWN) buttons_ |= MK_LBUTTON;
    if (message == WM_LBUTTONUP) buttons_ &= ~MK_LBUTTON;
    if (message == WM_RBUTTONDOWN) buttons_ |= MK_RBUTTON;
    if (message == WM_RBUTTONUP) buttons_ &= ~MK_RBUTTON;
    PostMessage({message, buttons_, MakePointParam(x, y)});
}

// `system`: a key struck with Alt held, which types no control character.
void HeadlessPlatform::PostKey(const std::string& name, bool down, bool up, bool system) {
    int vk = resolveKey_ ? resolveKey_(name) : -1;
    if (vk < 0) throw ScriptError("no key produces the key name \"" + name + "\"");
    const bool sys = system || vk == kVkMenu;
    if (down) {
        PostMessage({sys ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<uint64_t>(vk), 0});
        int ch = system ? 0 : ControlCharOfKey(vk);
        if (ch) PostMessage({WM_CHAR, static_cast<uint64_t>(ch), 0});
    }
    if (up) PostMessage({sys ? WM_SYSKEYUP : WM_KEYUP, static_cast<uint64_t>(vk), 0});
}

void HeadlessPlatform::SetTimer(int id, int) {
    if (id == kTimerId) timerOn_ = true;
}

void HeadlessPlatform::KillTimer(int id) {
    if (id == kTimerId) timerOn_ = false;
}

void HeadlessPlatform::Present(const FrameView& frame) {
    frame_ = UprightRgb(frame);
    frameWidth_ = UprightWidth(frame);
    frameHeight_ = UprightHeight(frame);
}

void HeadlessPlatform::SaveShot(const std::string& path) const {
    std::string error;
    if (!SaveScreenshot(path, false, error)) throw ScriptError("shot " + path + ": " + error);
}

bool HeadlessPlatform::SaveScreenshot(const std::string& path, bool, std::string& error) const {
    if (frameWidth_ <= 0) {
        error = "no window";
        return false;
    }
    std::vector<uint8_t> pixels = frame_;
    if (pixels.empty()) pixels.assign(static_cast<size_t>(frameWidth_) * frameHeight_ * 3, 0);
    return WritePng(path, frameWidth_, frameHeight_, false, pixels, error);
}

int HeadlessPlatform::AskMessageBox(const std::u16string& text, const std::u16string& caption,
                                    uint32_t flags) {
    std::cerr << Utf16ToUtf8(caption) << ": " << Utf16ToUtf8(text) << std::endl;
    ButtonSet set = ButtonsOf(flags);
    std::string answer = NextAnswer();
    if (answer.empty()) return set.fallback;
    for (const auto& [name, id] : set.buttons) {
        if (answer == name) return id;
    }
    std::cerr << "(answer \"" << answer << "\" is not a button of this box)" << std::endl;
    return set.fallback;
}

uint32_t HeadlessPlatform::ReadTickCount() const {
    ScriptCommand command;
    return TakeNext(ScriptCommand::Clock, command) ? command.ms : clockMs_;
}

LocalTime HeadlessPlatform::ReadLocalTime() const {
    ScriptCommand command;
    return TakeNext(ScriptCommand::Now, command) ? command.time : SystemLocalTime();
}

}  // namespace cv::platform
