#include "core/language_file.h"

#include "core/fatal_error.h"
#include "platform/utf.h"

namespace cv {
namespace {

class LanguageParser {
public:
    explicit LanguageParser(const std::string& fileName) : fileName_(fileName) {}

    void Line(const std::u16string& line);
    LanguageTable Finish();

private:
    void Header(const std::u16string& line);
    void StartEntry(const std::u16string& line);
    void StoreEntry();

    const std::string& fileName_;
    LanguageTable table_;
    int headerLines_ = 0;
    std::u16string from_, to_;
    std::map<char16_t, char16_t> characterMap_;
    std::string id_;
    std::u16string text_;
    bool open_ = false;  // an entry has begun (its "[" line or a first text line)
};

void LanguageParser::Line(const std::u16string& line) {
    if (line.empty() || line[0] == u';') return;
    if (line[0] == u'*' && headerLines_ < 3) return Header(line);
    if (line[0] == u'[') return StartEntry(line);
    if (!text_.empty()) text_ += u'\n';  // lines are never empty, so this is a join
    text_ += line;
    open_ = true;
}

void LanguageParser::Header(const std::u16string& line) {
    ++headerLines_;
    if (headerLines_ == 2) from_ = line.substr(1);
    if (headerLines_ != 3) return;
    to_ = line.substr(1);
    if (from_.size() != to_.size()) return;
    for (size_t i = 0; i < from_.size(); ++i) characterMap_[from_[i]] = to_[i];
}

void LanguageParser::StartEntry(const std::u16string& line) {
    StoreEntry();
    size_t close = line.rfind(u']');
    std::u16string id = close == std::u16string::npos ? line.substr(1) : line.substr(1, close - 1);
    if (id.empty()) FatalError("Empty identifier in %s", fileName_.c_str());
    id_ = Utf16ToUtf8(id);
    text_.clear();
    open_ = true;
}

void LanguageParser::StoreEntry() {
    if (!open_) return;
    for (char16_t& c : text_) {
        auto mapped = characterMap_.find(c);
        if (mapped != characterMap_.end()) c = mapped->second;
    }
    table_[id_] = text_;
}

LanguageTable LanguageParser::Finish() {
    StoreEntry();
    return std::move(table_);
}

}  // namespace

LanguageTable ParseLanguageFile(const std::string& bytes, const std::string& fileName) {
    if (bytes.size() < 2 || static_cast<uint8_t>(bytes[0]) != 0xFF ||
        static_cast<uint8_t>(bytes[1]) != 0xFE) {
        FatalError("Expected Unicode text in <%s>", fileName.c_str());
    }
    LanguageParser parser(fileName);
    std::u16string line;
    // A dangling odd byte at the end is not a character and is left out.
    const size_t units = (bytes.size() - 2) / 2;
    for (size_t k = 0; k <= units; ++k) {
        const size_t at = 2 + 2 * k;
        const char16_t c = k == units
                               ? u'\n'
                               : static_cast<char16_t>(static_cast<uint8_t>(bytes[at]) |
                                                       static_cast<uint8_t>(bytes[at + 1]) << 8);
        if (c == u'\r') continue;
        if (c == u'\n') {
            parser.Line(line);
            line.clear();
        } else if (line.size() == kMaxLanguageLine) {
            FatalError("Line longer than %zu characters in %s", kMaxLanguageLine, fileName.c_str());
        } else {
            line += c;
        }
    }
    return parser.Finish();
}

}  // namespace cv
