#include "font_ranges.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace cv::tools {
namespace {

bool ParseCodePoint(const std::string& text, long& out) {
    const bool hex = text.size() > 2 && (text[0] == 'U' || text[0] == 'u') && text[1] == '+';
    const std::string digits = hex ? text.substr(2) : text;
    if (digits.empty() || digits.size() > 8) return false;
    char* end = nullptr;
    out = std::strtol(digits.c_str(), &end, hex ? 16 : 10);
    return *end == '\0' && std::isxdigit(static_cast<unsigned char>(digits[0]));
}

}  // namespace

bool ParseCharRanges(const std::string& text, std::vector<char16_t>& out, std::string& error) {
    std::vector<bool> seen(0x10000);
    for (char16_t ch : out) seen[ch] = true;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        const size_t dash = item.find('-', 1);
        long first = 0, last = 0;
        const bool ok = dash == std::string::npos
                            ? ParseCodePoint(item, first) && ParseCodePoint(item, last)
                            : ParseCodePoint(item.substr(0, dash), first) &&
                                  ParseCodePoint(item.substr(dash + 1), last);
        if (!ok || first > last || last > 0xFFFF) {
            error = "cannot read the character range \"" + item +
                    "\" (code points below U+10000, as 65 or U+41, ranges as 32-126)";
            return false;
        }
        for (long code = first; code <= last; ++code) {
            if (!seen[code]) out.push_back(static_cast<char16_t>(code));
            seen[code] = true;
        }
    }
    if (out.empty()) {
        error = "no characters given";
        return false;
    }
    return true;
}

}  // namespace cv::tools
