#include "gui/text_wrap.h"

namespace cv {
namespace {

bool IsBreak(char16_t ch) {
    return ch == u' ' || ch == u'\t' || ch == 0xFF0C || ch == 0x3002;
}

bool IsDropped(char16_t ch) {
    return ch == u' ' || ch == u'\t';
}

}  // namespace

std::vector<std::u16string> WrapText(const std::u16string& text, const Font& font, int width) {
    std::vector<std::u16string> lines;
    if (text.empty()) return lines;
    size_t start = 0;
    int lineWidth = 0;
    constexpr size_t kNoBreak = std::u16string::npos;
    size_t lastBreak = kNoBreak;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (ch == u'\n') {
            lines.push_back(text.substr(start, i - start));
            start = i + 1, lineWidth = 0, lastBreak = kNoBreak;
            continue;
        }
        // A blank may itself be where the line ends; it is dropped there.
        if (IsDropped(ch)) lastBreak = i;
        const int charWidth = font.getCharWidth(ch);
        while (i > start && int64_t{lineWidth} + charWidth > width) {
            if (lastBreak != kNoBreak) {
                const size_t end = lastBreak + (IsDropped(text[lastBreak]) ? 0 : 1);
                lines.push_back(text.substr(start, end - start));
                start = lastBreak + 1;
            } else {
                lines.push_back(text.substr(start, i - start));
                start = i;
            }
            lastBreak = kNoBreak;
            lineWidth = start > i ? 0 : font.getTextSize(text.substr(start, i - start)).width;
        }
        if (start > i) continue;
        lineWidth += charWidth;
        if (IsBreak(ch)) lastBreak = i;
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace cv
