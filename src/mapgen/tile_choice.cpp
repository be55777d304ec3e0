#include "mapgen/tile_choice.h"

#include <functional>

namespace cv::mapgen {
namespace {

using InShape = std::function<bool(int a, int b)>;

// Which edge or corner a cell of a shape sits on, as an offset from the
// shape's first tile; -1 keeps the cell as it is (the bottom edge, drawn by
// the shape's own code). A later test only runs while no earlier one matched.
int EdgeTileOffset(const InShape& in, int a, int b) {
    const bool left = in(a - 1, b), right = in(a + 1, b), up = in(a, b - 1), down = in(a, b + 1);
    const struct {
        bool matches;
        int offset;
    } tests[] = {
        {!left && !up, 0},
        {!left && !down, 1},
        {!right && !up, 5},
        {!right && !down, 6},
        {left && right && !up, 2},
        {up && down && !left, 3},
        {up && down && !right, 4},
        {up && left && !in(a - 1, b - 1), 7},
        {down && left && !in(a - 1, b + 1), 8},
        {up && right && !in(a + 1, b - 1), 9},
        {down && right && !in(a + 1, b + 1), 10},
    };
    for (const auto& test : tests) {
        if (test.matches) return test.offset;
    }
    // The bottom edge keeps the shape's own code; the inside has all eight in.
    const bool diagonals =
        in(a - 1, b - 1) && in(a + 1, b - 1) && in(a - 1, b + 1) && in(a + 1, b + 1);
    return left && right && up && down && diagonals ? 11 : -1;
}

bool IsCastleTopLeft(const MapGrid& grid, int a, int b) {
    return grid.At(a, b) == kCastle && !IsCastle(grid.At(a - 1, b)) &&
           !IsCastle(grid.At(a - 1, b - 1)) && !IsCastle(grid.At(a, b - 1));
}

void ChooseCastleTiles(MapGrid& grid) {
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) {
            if (!IsCastleTopLeft(grid, a, b)) continue;
            for (int da = 0; da < 3; ++da) {
                grid.Set(a + da, b, static_cast<uint8_t>(kCastle + 2 * da));
                grid.Set(a + da, b + 1, static_cast<uint8_t>(kCastle + 2 * da + 1));
            }
            grid.Set(a + 1, b + 2, kCastleGate);
        }
    }
}

void ChooseShapeTiles(MapGrid& grid, uint8_t code, uint8_t firstTile, const InShape& in,
                      const std::function<bool(int a, int b)>& applies) {
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) {
            if (grid.At(a, b) != code || !applies(a, b)) continue;
            const int offset = EdgeTileOffset(in, a, b);
            if (offset >= 0) grid.Set(a, b, static_cast<uint8_t>(firstTile + offset));
        }
    }
}

}  // namespace

void ChooseTiles(MapGrid& grid) {
    ChooseCastleTiles(grid);
    auto always = [](int, int) { return true; };
    for (const TerrainClass* shape : {&kMountains, &kForest, &kSwamp}) {
        ChooseShapeTiles(
            grid, shape->code, shape->firstTile,
            [&](int a, int b) { return shape->Holds(grid.At(a, b)); }, always);
    }
    // A plain cell next to water is never inside the land on all eight
    // sides, so the shore keeps to its eleven tiles.
    ChooseShapeTiles(
        grid, kPlain, kFirstShoreTile, [&](int a, int b) { return grid.At(a, b) != kWater; },
        [&](int a, int b) { return grid.TouchesWater(a, b); });
}

}  // namespace cv::mapgen
