#include "platform/headless/script_reader.h"

#include <map>
#include <sstream>

namespace cv::platform {
namespace {

long long ReadNumber(std::istringstream& words, long long low, long long high) {
    long long v;
    if (!(words >> v) || v < low || v > high) throw std::invalid_argument("bad number");
    return v;
}

int ReadInt(std::istringstream& words) {
    return static_cast<int>(ReadNumber(words, -32768, 32767));
}

LocalTime ReadLocalTime(std::istringstream& words) {
    LocalTime t;
    t.year = static_cast<int>(ReadNumber(words, 0, 9999));
    t.month = static_cast<int>(ReadNumber(words, 1, 12));
    t.day = static_cast<int>(ReadNumber(words, 1, 31));
    t.hour = static_cast<int>(ReadNumber(words, 0, 23));
    t.minute = static_cast<int>(ReadNumber(words, 0, 59));
    t.second = static_cast<int>(ReadNumber(words, 0, 60));
    return t;
}

void ExpectEnd(std::istringstream& words) {
    std::string extra;
    if (words >> extra) throw std::invalid_argument("unexpected " + extra);
}

std::string ReadWord(std::istringstream& words) {
    std::string word;
    if (!(words >> word)) throw std::invalid_argument("missing argument");
    return word;
}

}  // namespace

ScriptCommand ScriptReader::ParseLine(const std::string& line) {
    static const std::map<std::string, ScriptCommand::Kind> kinds = {
        {"tap", ScriptCommand::Tap},
        {"press", ScriptCommand::Press},
        {"move", ScriptCommand::Move},
        {"release", ScriptCommand::Release},
        {"key", ScriptCommand::Key},
        {"keydown", ScriptCommand::KeyDown},
        {"keyup", ScriptCommand::KeyUp},
        {"text", ScriptCommand::Text},
        {"tick", ScriptCommand::Tick},
        {"answer", ScriptCommand::Answer},
        {"shot", ScriptCommand::Shot},
        {"activate", ScriptCommand::Activate},
        {"quit", ScriptCommand::Quit},
        {"rpress", ScriptCommand::RightPress},
        {"rrelease", ScriptCommand::RightRelease},
        {"syskeydown", ScriptCommand::SysKeyDown},
        {"syskeyup", ScriptCommand::SysKeyUp},
        {"char", ScriptCommand::Char},
        {"clock", ScriptCommand::Clock},
        {"now", ScriptCommand::Now},
        {"wheel", ScriptCommand::Wheel}};
    std::istringstream words(line);
    std::string verb;
    words >> verb;
    auto it = kinds.find(verb);
    if (it == kinds.end()) throw std::invalid_argument("unknown command");
    ScriptCommand cmd;
    cmd.kind = it->second;
    switch (cmd.kind) {
        case ScriptCommand::Tap:
        case ScriptCommand::Press:
        case ScriptCommand::Move:
        case ScriptCommand::Release:
        case ScriptCommand::RightPress:
        case ScriptCommand::RightRelease:
            cmd.x = ReadInt(words);
            cmd.y = ReadInt(words);
            break;
        case ScriptCommand::Tick:
            cmd.x = ReadInt(words);
            if (cmd.x < 0) throw std::invalid_argument("negative count");
            break;
        case ScriptCommand::Text: {
            // Everything after one blank, kept as written (blanks included).
            size_t start = line.find(verb) + verb.size();
            if (start >= line.size()) throw std::invalid_argument("missing text");
            cmd.text = line.substr(start + 1);
            return cmd;
        }
        case ScriptCommand::Activate: {
            std::string state = ReadWord(words);
            if (state != "on" && state != "off") throw std::invalid_argument("on or off");
            cmd.x = state == "on";
            break;
        }
        case ScriptCommand::Char:
            cmd.x = static_cast<int>(ReadNumber(words, 1, 0xFFFF));
            break;
        case ScriptCommand::Wheel:
            cmd.x = static_cast<int>(ReadNumber(words, -kMaxWheelNotches, kMaxWheelNotches));
            if (cmd.x == 0) throw std::invalid_argument("no turn");
            break;
        case ScriptCommand::Clock:
            cmd.ms = static_cast<uint32_t>(ReadNumber(words, 0, 0xFFFFFFFFll));
            break;
        case ScriptCommand::Now:
            cmd.time = ReadLocalTime(words);
            break;
        case ScriptCommand::Quit:
            break;
        default:
            cmd.text = ReadWord(words);
            break;
    }
    ExpectEnd(words);
    return cmd;
}

RecordingHeader ScriptReader::ReadHeader() {
    RecordingHeader header;
    std::string line;
    while (std::getline(in_, line)) {
        ++lineNumber_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::pair<std::string, std::string> item;
        if (ParseHeaderLine(line, item)) {
            header.push_back(item);
            continue;
        }
        size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line[first] != '#') {
            heldLine_ = line;
            break;
        }
    }
    return header;
}

bool ScriptReader::Next(ScriptCommand& out) {
    std::string line;
    while (heldLine_ || std::getline(in_, line)) {
        if (heldLine_) {
            line = *heldLine_;
            heldLine_.reset();
        } else {
            ++lineNumber_;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        try {
            out = ParseLine(line.substr(first));
            return true;
        } catch (const std::invalid_argument& e) {
            std::ostringstream message;
            message << name_ << " line " << lineNumber_ << ": cannot read \"" << line << "\" ("
                    << e.what() << ")";
            throw ScriptError(message.str());
        }
    }
    return false;
}

}  // namespace cv::platform
