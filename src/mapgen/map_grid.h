#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace cv::mapgen {

// Working codes of a cell while a continent is made; the tiles chosen at the
// end reuse 2..5 and add 7..13 (castles), 20..55 (classes) and 56..66 (shore).
enum GridCode : uint8_t {
    kWater = 0,
    kClassA = 2,
    kPlain = 3,
    kClassC = 4,
    kClassB = 5,
    kCastle = 7,
    kCastleGate = 13,
    kReserved = 255,
};

constexpr int kGridSize = 64;
// Land is raised only on a and b in 3..60; the rim outside stays sea.
constexpr int kLandFirst = 3;
constexpr int kLandLast = 60;

// A grid cell: a across, b down (game Y = 63 - b).
struct GridPos {
    int a = 0;
    int b = 0;
    bool operator==(const GridPos&) const = default;
};

// A terrain class: its working code and the first of its twelve tiles.
struct TerrainClass {
    uint8_t code;
    uint8_t firstTile;
    bool Holds(uint8_t cell) const {
        return cell == code || (cell >= firstTile && cell < firstTile + 12);
    }
};

constexpr TerrainClass kMountains{kClassA, 20};
constexpr TerrainClass kForest{kClassB, 32};
constexpr TerrainClass kSwamp{kClassC, 44};

bool IsCastle(uint8_t cell);

class MapGrid {
public:
    static bool Inside(int a, int b) { return a >= 0 && a < kGridSize && b >= 0 && b < kGridSize; }
    static bool InLandArea(int a, int b) {
        return a >= kLandFirst && a <= kLandLast && b >= kLandFirst && b <= kLandLast;
    }

    // Water outside the grid.
    uint8_t At(int a, int b) const { return Inside(a, b) ? cells_[a][b] : uint8_t{kWater}; }
    uint8_t At(GridPos p) const { return At(p.a, p.b); }
    // Ignores cells outside the grid.
    void Set(int a, int b, uint8_t code) {
        if (Inside(a, b)) cells_[a][b] = code;
    }
    void Set(GridPos p, uint8_t code) { Set(p.a, p.b, code); }

    bool operator==(const MapGrid&) const = default;

    int Count(const std::function<bool(uint8_t)>& matches) const;
    // One of the eight neighbours is water (or off the grid).
    bool TouchesWater(int a, int b) const;

private:
    std::array<std::array<uint8_t, kGridSize>, kGridSize> cells_ = {};
};

// The runtime generator's next value modulo n.
int RandMod(int n);

// Draws a = rand() % 53 + 4, b = rand() % 53 + 4 until `fits` holds there.
// None, without drawing, when no cell of that range fits.
std::optional<GridPos> DrawCell(const std::function<bool(int a, int b)>& fits);

}  // namespace cv::mapgen
