#pragma once

namespace cv::platform {

// The handheld C runtime's generator, so that a seed replays a whole game:
// state = state * 214013 + 2531011, result = (state >> 16) & 0x7FFF.
constexpr int kRandMax = 0x7FFF;
int Rand();
void Srand(unsigned seed);

// A seed given on the command line wins over the clock seed of a new game.
void SetFixedSeed(unsigned seed);
void SeedFromClock(unsigned clockValue);

}  // namespace cv::platform
