#include "game/model/game_text.h"

#include "platform/utf.h"

namespace cv {

std::u16string GameText(const std::string& id, const std::string& /*qualifier*/) {
    return Utf8ToUtf16(id);
}

void FillIn(std::u16string& text, const std::u16string& placeholder, const std::u16string& value) {
    size_t at = text.find(placeholder);
    if (at != std::u16string::npos) text.replace(at, placeholder.size(), value);
}

std::u16string NumberText(int n) {
    return Utf8ToUtf16(std::to_string(n));
}

std::u16string GroupedNumber(int n) {
    std::string digits = std::to_string(n);
    size_t first = digits[0] == '-' ? 1 : 0;
    for (size_t at = digits.size(); at > first + 3; at -= 3) digits.insert(at - 3, ",");
    return Utf8ToUtf16(digits);
}

}  // namespace cv
