#pragma once

#include <cstdint>
#include <limits>

namespace cv {

// Game arithmetic is 32-bit; products are formed in 64 bits and pinned to the
// 32-bit range so that large counts never overflow.
inline int ClampToInt(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int>(v);
}

// value * mul / div, multiplication first, truncating toward zero. A divisor
// of 0 (a slip in the rules file) counts as 1 rather than ending the game.
inline int MulDiv(int value, int mul, int div) {
    int64_t product = static_cast<int64_t>(value) * mul;
    return ClampToInt(div == 0 ? product : product / div);
}

}  // namespace cv
