#pragma once

#include <istream>
#include <stdexcept>
#include <string>

namespace cv::platform {

// A script line that cannot be read; the message names the file and the line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptCommand {
    enum Kind { Tap, Press, Move, Release, Key, KeyDown, KeyUp, Text, Tick, Answer, Shot,
                Activate, Quit };
    Kind kind = Quit;
    int x = 0, y = 0;   // Tap..Release; Tick count in x; Activate 0/1 in x
    std::string text;   // key name, text, answer button, shot file
};

// Reads the headless input script one command at a time. Blank lines and
// lines starting with "#" are skipped.
class ScriptReader {
public:
    ScriptReader(std::istream& in, std::string name) : in_(in), name_(std::move(name)) {}

    // False at the end of the script. Throws ScriptError on a line it cannot read.
    bool Next(ScriptCommand& out);
    int lineNumber() const { return lineNumber_; }

    static ScriptCommand ParseLine(const std::string& line);  // throws std::invalid_argument

private:
    std::istream& in_;
    std::string name_;
    int lineNumber_ = 0;
};

}  // namespace cv::platform
