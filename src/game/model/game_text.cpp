#include "game/model/game_text.h"

#include "platform/utf.h"

namespace cv {

std::u16string GroupedNumber(int n) {
    std::string digits = std::to_string(n);
    size_t first = digits[0] == '-' ? 1 : 0;
    for (size_t at = digits.size(); at > first + 3; at -= 3) digits.insert(at - 3, ",");
    return Utf8ToUtf16(digits);
}

}  // namespace cv
