#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/platform.h"

namespace cv::platform {

// A script line that cannot be read; the message names the file and the line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptCommand {
    enum Kind {
        Tap,
        Press,
        Move,
        Release,
        Key,
        KeyDown,
        KeyUp,
        Text,
        Tick,
        Answer,
        Shot,
        Activate,
        Quit,
        RightPress,
        RightRelease,
        SysKeyDown,
        SysKeyUp,
        Char,
        Clock,
        Now,
        Wheel
    };
    Kind kind = Quit;
    int x = 0, y = 0;  // points; Tick count, Activate 0/1, Char code, Wheel notches in x
    std::string text;  // key name, text, answer button, shot file
    uint32_t ms = 0;   // Clock: the tick count the game read
    LocalTime time;    // Now: the local time the game read
};

// Reads the headless input script one command at a time. Blank lines and
// lines starting with "#" are skipped.
class ScriptReader {
public:
    ScriptReader(std::istream& in, std::string name) : in_(in), name_(std::move(name)) {}

    // False at the end of the script. Throws ScriptError on a line it cannot read.
    bool Next(ScriptCommand& out);
    // The "# key: value" lines before the first command (a recording's header);
    // call before the first Next.
    RecordingHeader ReadHeader();
    int lineNumber() const { return lineNumber_; }

    static ScriptCommand ParseLine(const std::string& line);  // throws std::invalid_argument

private:
    std::istream& in_;
    std::string name_;
    int lineNumber_ = 0;
    std::optional<std::string> heldLine_;  // the first command, read with the header
};

}  // namespace cv::platform
