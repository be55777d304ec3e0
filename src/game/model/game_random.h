#pragma once

namespace cv {

// rand_n: (r * n) >> 15 with r the next value of the handheld generator, so a
// seed replays a whole game. Gives 0 .. n - 1, and 0 when n is not positive
// (a value is drawn all the same, keeping the sequence in step).
int RandN(int n);

// rand_n(10000) * 0.0001 in single precision: 0 <= r < 1.
float RandomFraction();

}  // namespace cv
