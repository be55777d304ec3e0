#include "platform/input_recorder.h"

#include "platform/platform.h"
#include "platform/utf.h"

namespace cv::platform {
namespace {

std::string PointLine(const char* verb, int64_t lParam) {
    return std::string(verb) + " " + std::to_string(PointX(lParam)) + " " +
           std::to_string(PointY(lParam));
}

const char* AnswerName(int answer) {
    switch (answer) {
        case IDOK:
            return "OK";
        case IDCANCEL:
            return "Cancel";
        case IDRETRY:
            return "Retry";
        case IDYES:
            return "Yes";
        case IDNO:
            return "No";
        default:
            return nullptr;
    }
}

// Characters a "text" line can carry: it is one line, read after one blank.
bool Typeable(char16_t ch) {
    return ch >= 0x20 && ch != 0x7F;
}

}  // namespace

std::string HeaderValue(const RecordingHeader& header, const std::string& key) {
    for (const auto& [name, value] : header) {
        if (name == key) return value;
    }
    return {};
}

bool ParseHeaderLine(const std::string& line, std::pair<std::string, std::string>& out) {
    if (line.rfind("# ", 0) != 0) return false;
    size_t colon = line.find(": ", 2);
    if (colon == std::string::npos || colon == 2) return false;
    out = {line.substr(2, colon - 2), line.substr(colon + 2)};
    return true;
}

InputRecorder::InputRecorder(std::unique_ptr<std::ostream> out, KeyNamer nameKey)
    : out_(std::move(out)), nameKey_(std::move(nameKey)) {}

InputRecorder::~InputRecorder() {
    Finish("");
}

void InputRecorder::AddHeader(const std::string& key, const std::string& value) {
    if (!bodyStarted_) header_.emplace_back(key, value);
}

void InputRecorder::StartBody() {
    if (bodyStarted_) return;
    bodyStarted_ = true;
    std::vector<std::string> lines = {"# Corvanth recording: replay with --headless --script"};
    for (const auto& [key, value] : header_) lines.push_back("# " + key + ": " + value);
    lines.insert(lines.end(), waiting_.begin(), waiting_.end());
    waiting_.clear();
    for (const std::string& line : lines) Write(line);
}

void InputRecorder::Write(const std::string& line) {
    if (finished_) return;
    if (!bodyStarted_) {
        waiting_.push_back(line);
        return;
    }
    text_ += line + "\n";
    if (out_) *out_ << line << '\n' << std::flush;
}

void InputRecorder::FlushTicks() {
    if (pendingTicks_ == 0) return;
    // One line per run of ticks, split where the reader's count ends.
    while (pendingTicks_ > 0) {
        int run = pendingTicks_ > 32767 ? 32767 : pendingTicks_;
        Write("tick " + std::to_string(run));
        pendingTicks_ -= run;
    }
}

void InputRecorder::FlushText() {
    if (pendingText_.empty()) return;
    Write("text " + Utf16ToUtf8(pendingText_));
    pendingText_.clear();
}

void InputRecorder::Flush() {
    FlushTicks();
    FlushText();
}

void InputRecorder::Key(const char* verb, uint64_t virtualKey) {
    std::string name = nameKey_ ? nameKey_(static_cast<int>(virtualKey)) : std::string();
    // A key the game's table cannot name does nothing in the game either.
    if (!name.empty()) Write(std::string(verb) + " " + name);
}

void InputRecorder::Dispatched(const Message& m) {
    if (m.message == WM_TIMER) {
        FlushText();
        ++pendingTicks_;
        return;
    }
    const int implied = impliedChar_;
    impliedChar_ = 0;
    if (m.message == WM_CHAR) {
        const auto ch = static_cast<char16_t>(m.wParam & 0xFFFF);
        if (ch == implied) return;  // the replayed key-down sends it again
        FlushTicks();
        if (Typeable(ch)) {
            pendingText_ += ch;
        } else {
            FlushText();
            Write("char " + std::to_string(ch));
        }
        return;
    }
    switch (m.message) {
        case WM_MOUSEMOVE:
            Flush();
            Write(PointLine("move", m.lParam));
            break;
        case WM_LBUTTONDOWN:
            Flush();
            Write(PointLine("press", m.lParam));
            break;
        case WM_LBUTTONUP:
            Flush();
            Write(PointLine("release", m.lParam));
            break;
        case WM_RBUTTONDOWN:
            Flush();
            Write(PointLine("rpress", m.lParam));
            break;
        case WM_RBUTTONUP:
            Flush();
            Write(PointLine("rrelease", m.lParam));
            break;
        case WM_KEYDOWN:
            Flush();
            Key("keydown", m.wParam);
            impliedChar_ = ControlCharOfKey(static_cast<int>(m.wParam));
            break;
        case WM_KEYUP:
            Flush();
            Key("keyup", m.wParam);
            break;
        case WM_SYSKEYDOWN:
            Flush();
            Key(m.wParam == kVkMenu ? "keydown" : "syskeydown", m.wParam);
            break;
        case WM_SYSKEYUP:
            Flush();
            Key(m.wParam == kVkMenu ? "keyup" : "syskeyup", m.wParam);
            break;
        case WM_MOUSEWHEEL:
            Flush();
            Write("wheel " + std::to_string(WheelNotches(m.wParam)));
            break;
        case WM_ACTIVATE:
            Flush();
            Write((m.wParam & 0xFFFF) != 0 ? "activate on" : "activate off");
            break;
        case WM_CLOSE:
            Flush();
            Write("quit");
            break;
        default:
            break;  // painting and the like are the game's own business
    }
}

void InputRecorder::TickCountRead(uint32_t ms) {
    Flush();
    Write("clock " + std::to_string(ms));
}

void InputRecorder::LocalTimeRead(const LocalTime& t) {
    Flush();
    Write("now " + std::to_string(t.year) + " " + std::to_string(t.month) + " " +
          std::to_string(t.day) + " " + std::to_string(t.hour) + " " + std::to_string(t.minute) +
          " " + std::to_string(t.second));
}

void InputRecorder::MessageBoxAnswered(int answer) {
    if (const char* name = AnswerName(answer)) {
        Flush();
        Write(std::string("answer ") + name);
    }
}

void InputRecorder::Finish(const std::string& closingComment) {
    if (finished_) return;
    StartBody();
    Flush();
    if (!closingComment.empty()) {
        std::string comment = closingComment;
        for (char& c : comment) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        Write("# " + comment);
    }
    finished_ = true;
    if (out_) out_->flush();
}

std::string InputRecorder::Text() const {
    return text_;
}

}  // namespace cv::platform
