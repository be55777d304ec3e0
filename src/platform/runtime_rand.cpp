#include "platform/runtime_rand.h"

#include <cstdint>

namespace cv::platform {
namespace {
uint32_t& State() {
    static uint32_t state = 1;
    return state;
}
bool& Fixed() {
    static bool fixed = false;
    return fixed;
}
}  // namespace

int Rand() {
    State() = State() * 214013u + 2531011u;
    return static_cast<int>((State() >> 16) & kRandMax);
}

void Srand(unsigned seed) { State() = seed; }

void SetFixedSeed(unsigned seed) {
    Fixed() = true;
    Srand(seed);
}

void SeedFromClock(unsigned clockValue) {
    if (!Fixed()) Srand(clockValue);
}

}  // namespace cv::platform
