#include "gui/keyboard_reader.h"

#include "core/fatal_error.h"
#include "platform/utf.h"

namespace cv {
namespace {

constexpr char16_t kByteOrderMark = 0xFEFF;
constexpr int kSpaceWidth = 36;
constexpr int kBackspaceWidth = 22;

std::vector<std::u16string> Utf16Lines(const std::string& bytes) {
    std::vector<std::u16string> lines(1);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const char16_t ch = static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                                  static_cast<uint8_t>(bytes[i + 1]) << 8);
        if (ch == u'\n') {
            lines.emplace_back();
        } else if (ch != u'\r') {
            lines.back() += ch;
        }
    }
    return lines;
}

// Entries mode "[" c "]" joined by ","; stops at the first entry that is not
// closed right after its character, or after the one not followed by ",".
std::vector<CharKey::Entry> ReadCharEntries(const std::u16string& line) {
    std::vector<CharKey::Entry> entries;
    size_t from = 0;
    while (true) {
        const size_t open = line.find(u'[', from);
        if (open == std::u16string::npos || open + 2 >= line.size() || line[open + 2] != u']')
            break;
        entries.emplace_back(Utf16ToUtf8(line.substr(from, open - from)), line[open + 1]);
        if (open + 3 >= line.size() || line[open + 3] != u',') break;
        from = open + 4;
    }
    return entries;
}

// "#caption,mode" or "@caption,mode".
Ref<KeyboardKey> ReadModeKey(const std::u16string& line) {
    const size_t comma = line.find(u',');
    const std::u16string caption =
        line.substr(1, comma == std::u16string::npos ? comma : comma - 1);
    const std::u16string mode = comma == std::u16string::npos ? u"" : line.substr(comma + 1);
    return MakeRef<ModeKey>(caption, Utf16ToUtf8(mode), line[0]);
}

// The key a line defines; null for a line that defines none.
Ref<KeyboardKey> ReadKey(const std::u16string& line, bool& endsRow) {
    endsRow = line == u"*EOL";
    if (line == u"*Space") return MakeRef<TypingKey>(u" ", u' ', kSpaceWidth);
    if (line == u"*BS") return MakeRef<TypingKey>(u"<-", u'\b', kBackspaceWidth);
    if (line == u"*Switch") return MakeRef<SwitchKey>();
    if (line[0] == u'#' || line[0] == u'@') return ReadModeKey(line);
    if (line[0] == u'[') {
        std::vector<CharKey::Entry> entries = ReadCharEntries(line);
        if (!entries.empty()) return MakeRef<CharKey>(std::move(entries));
    }
    return nullptr;
}

bool IsKeyLine(const std::u16string& line) {
    return line[0] == u'[' || line[0] == u'#' || line[0] == u'@' || line == u"*Space" ||
           line == u"*BS" || line == u"*EOL" || line == u"*Switch";
}

}  // namespace

std::vector<KeyboardPartition> ReadKeyboardFile(const std::string& bytes) {
    if (bytes.size() < 2 || static_cast<uint8_t>(bytes[0]) != (kByteOrderMark & 0xFF) ||
        static_cast<uint8_t>(bytes[1]) != kByteOrderMark >> 8) {
        FatalError("Expected Unicode text file for VKbd definition");
    }
    std::vector<KeyboardPartition> partitions;
    for (const std::u16string& line : Utf16Lines(bytes)) {
        if (line.empty() || line[0] == u';') continue;
        if (line[0] == u'{') {
            const size_t close = line.find(u'}');
            partitions.push_back(
                {line.substr(1, close == std::u16string::npos ? close : close - 1), "", {}, {}});
            continue;
        }
        if (!IsKeyLine(line)) continue;
        if (partitions.empty()) FatalError("Expected partition definition {}");
        bool endsRow = false;
        Ref<KeyboardKey> key = ReadKey(line, endsRow);
        if (key || endsRow) partitions.back().keys.push_back(key);
    }
    if (partitions.empty()) FatalError("Expected partition definition {}");
    return partitions;
}

}  // namespace cv
