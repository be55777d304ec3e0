#include "game/model/game_random.h"

#include <cstdint>

#include "platform/runtime_rand.h"

namespace cv {

int RandN(int n) {
    int64_t r = platform::Rand();
    if (n <= 0) return 0;
    return static_cast<int>((r * n) >> 15);
}

float RandomFraction() {
    return static_cast<float>(RandN(10000)) * 0.0001f;
}

}  // namespace cv
