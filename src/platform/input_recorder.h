#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/messages.h"

namespace cv::platform {

struct LocalTime;

// The leading "# key: value" lines of a recording: what the replay needs to
// start the game as it was started (seed, version, the CFG values that change
// play). Kept in the order written.
using RecordingHeader = std::vector<std::pair<std::string, std::string>>;

// The value of `key` in a header, or empty.
std::string HeaderValue(const RecordingHeader& header, const std::string& key);

// Writes every input the game receives as headless script commands: pointer,
// keys, characters, focus, close, timer ticks (run together), and the hidden
// inputs read during play (tick count, local time, message-box answers), so
// that `--headless --script` on the result replays the game exactly.
class InputRecorder {
public:
    // Turns a virtual key into a key name the script reader resolves back.
    using KeyNamer = std::function<std::string(int virtualKey)>;

    // `out` may be null: the recording is then only kept in memory.
    InputRecorder(std::unique_ptr<std::ostream> out, KeyNamer nameKey);
    ~InputRecorder();

    // Header lines are written once, before the first command; lines recorded
    // earlier wait for them.
    void AddHeader(const std::string& key, const std::string& value);
    void StartBody();

    // A message about to be dispatched to the window.
    void Dispatched(const Message& message);
    void TickCountRead(uint32_t ms);
    void LocalTimeRead(const LocalTime& time);
    void MessageBoxAnswered(int answer);

    // Ends the recording with a comment (e.g. the error that stopped the game).
    void Finish(const std::string& closingComment);
    // Everything recorded so far, header included.
    std::string Text() const;

private:
    void Write(const std::string& line);
    void Flush();
    void FlushTicks();
    void FlushText();
    void Key(const char* verb, uint64_t virtualKey);

    std::unique_ptr<std::ostream> out_;
    KeyNamer nameKey_;
    RecordingHeader header_;
    bool bodyStarted_ = false;
    bool finished_ = false;
    std::vector<std::string> waiting_;  // body lines recorded before the header was complete
    std::string text_;                  // the whole recording as written
    int pendingTicks_ = 0;
    std::u16string pendingText_;
    int impliedChar_ = 0;  // the control character the last key-down also sends
};

// Parses a "# key: value" comment line; false for any other line.
bool ParseHeaderLine(const std::string& line, std::pair<std::string, std::string>& out);

}  // namespace cv::platform
