#pragma once

#include <cstdlib>

namespace cv {

// A cell of a continent: x grows to the right, y upwards, both 0..63.
struct Cell {
    int x = 0;
    int y = 0;
    bool operator==(const Cell&) const = default;
};

constexpr int kContinentSize = 64;

inline bool IsOnContinent(Cell c) {
    return c.x >= 0 && c.x < kContinentSize && c.y >= 0 && c.y < kContinentSize;
}

// Chessboard distance.
inline int Distance(Cell a, Cell b) {
    int dx = std::abs(a.x - b.x);
    int dy = std::abs(a.y - b.y);
    return dx > dy ? dx : dy;
}

}  // namespace cv
