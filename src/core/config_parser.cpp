#include "core/config_parser.h"

#include <vector>

#include "core/fatal_error.h"

namespace cv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Splits at CR or LF; a CR LF pair ends one line.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start);
    return lines;
}

// The Dispatcher child `name` of `node`, created (or replacing a value) when missing.
Dispatcher* ChildNode(Dispatcher* node, const std::string& name) {
    if (DispatcherItem* item = node->Child(name)) {
        if (Dispatcher* child = item->AsDispatcher()) return child;
    }
    Ref<Dispatcher> child = MakeRef<Dispatcher>();
    node->SetChild(name, child);
    return child.get();
}

void Assign(Dispatcher* node, const std::string& name, const std::string& valueText) {
    if (DispatcherItem* item = node->Child(name)) {
        if (Value* existing = item->AsValue()) {
            existing->FromText(valueText);
            return;
        }
    }
    node->SetChild(name, MakeValueFromText(valueText));
}

class LineParser {
public:
    LineParser(Dispatcher*& block, std::vector<Dispatcher*>& stack, const std::string& line)
        : block_(block), stack_(stack), line_(line), lineNode_(block), lineDepth_(stack.size()) {}

    void Run() {
        SkipBlanks();
        while (pos_ < line_.size()) {
            std::string name = ReadName();
            if (SkipBlanks()) {
                unrecognised_ = 0;
            } else if (unrecognised_ > 3) {
                Fail();
            }
            if (!Statement(name)) return;
        }
    }

private:
    // Handles the character after a name; false when the rest of the line is a comment.
    bool Statement(const std::string& name) {
        char c = line_[pos_];
        switch (c) {
            case '{':
                if (stack_.size() + 1 > kMaxConfigDepth) Fail();
                stack_.push_back(block_);
                block_ = ChildNode(lineNode_, name);
                lineNode_ = block_;
                lineDepth_ = stack_.size();
                ++pos_;
                return true;
            case '}':
                if (stack_.empty()) Fail();
                block_ = stack_.back();
                stack_.pop_back();
                lineNode_ = block_;
                lineDepth_ = stack_.size();
                ++pos_;
                return true;
            case '@':
                // The line node may lie inside the block; it goes with it.
                block_->Clear();
                lineNode_ = block_;
                lineDepth_ = stack_.size();
                ++pos_;
                return true;
            case '.':
                if (++lineDepth_ > kMaxConfigDepth) Fail();
                lineNode_ = ChildNode(lineNode_, name);
                ++pos_;
                return true;
            case ';':
                return false;
            case '=':
                ++pos_;
                SkipBlanks();
                Assign(lineNode_, name, ReadValueText());
                SkipBlanks();
                return true;
            default:
                ++unrecognised_;
                return true;
        }
    }

    std::string ReadName() {
        size_t start = pos_;
        while (pos_ < line_.size() && IsNameChar(line_[pos_])) ++pos_;
        return line_.substr(start, pos_ - start);
    }

    // Quoted: up to the next quote not preceded by a backslash (or the end).
    // Otherwise: up to ";", a blank or the end.
    std::string ReadValueText() {
        size_t start = pos_;
        if (pos_ < line_.size() && line_[pos_] == '"') {
            ++pos_;
            while (pos_ < line_.size() && !(line_[pos_] == '"' && line_[pos_ - 1] != '\\')) ++pos_;
            if (pos_ < line_.size()) ++pos_;
        } else {
            while (pos_ < line_.size() && line_[pos_] != ';' && !IsBlank(line_[pos_])) ++pos_;
        }
        return line_.substr(start, pos_ - start);
    }

    bool SkipBlanks() {
        size_t start = pos_;
        while (pos_ < line_.size() && IsBlank(line_[pos_])) ++pos_;
        return pos_ != start;
    }

    [[noreturn]] void Fail() {
        std::string marked = line_.substr(0, pos_) + "<ERR>" + line_.substr(pos_);
        FatalError("Sintax error in line: %s", marked.c_str());
    }

    Dispatcher*& block_;
    std::vector<Dispatcher*>& stack_;
    const std::string& line_;
    Dispatcher* lineNode_;
    size_t lineDepth_;
    size_t pos_ = 0;
    int unrecognised_ = 0;
};

}  // namespace

void Parse(Dispatcher& target, const std::string& text) {
    Dispatcher* block = &target;
    std::vector<Dispatcher*> stack;
    for (const std::string& line : SplitLines(text)) LineParser(block, stack, line).Run();
}

}  // namespace cv
