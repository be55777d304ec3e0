#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/model/cell.h"

namespace cv {

// The eight neighbours, in the index order that keys and walkers use.
constexpr std::array<Cell, 8> kBattleDirections = {
    {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}};

inline Cell Neighbour(Cell cell, int direction) {
    return {cell.x + kBattleDirections[direction].x, cell.y + kBattleDirections[direction].y};
}

inline bool Adjacent(Cell a, Cell b) {
    return Distance(a, b) == 1;
}

// Shortest 8-direction paths from one cell over the cells a caller leaves open.
class PathMap {
public:
    static constexpr int kUnreachable = -1;
    int DistanceTo(Cell cell) const;
    // The first step from the start toward `cell`; meaningless when unreachable.
    Cell FirstStepTo(Cell cell) const;

private:
    friend class Battlefield;
    std::array<int, 30> distance_{};
    std::array<Cell, 30> firstStep_{};
};

// The 6 x 5 grid of a battle: one "TacticsMap" id a cell, 0 being open ground.
class Battlefield {
public:
    static constexpr int kWidth = 6;
    static constexpr int kHeight = 5;
    using Occupied = std::function<bool(Cell)>;

    static bool OnField(Cell cell) {
        return cell.x >= 0 && cell.x < kWidth && cell.y >= 0 && cell.y < kHeight;
    }
    uint8_t At(Cell cell) const { return OnField(cell) ? cells_[Index(cell)] : 0; }
    void Set(Cell cell, uint8_t id);
    void Clear() { cells_.fill(0); }
    bool IsPassable(Cell cell) const { return OnField(cell) && cells_[Index(cell)] == 0; }

    // Random rocks and trees in columns 1..4, drawn again until the corners
    // (0,0) and (4,4) are joined, so both sides can always meet.
    void PlaceObstacles();
    bool Joined(Cell from, Cell to) const;

    // Distances from `start` over passable cells that `occupied` leaves free;
    // the start itself may be occupied (it is the mover's own cell).
    PathMap PathsFrom(Cell start, const Occupied& occupied) const;

    static int Index(Cell cell) { return cell.y * kWidth + cell.x; }

private:
    std::array<uint8_t, kWidth * kHeight> cells_{};
};

}  // namespace cv
