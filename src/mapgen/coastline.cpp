#include "mapgen/coastline.h"

#include <initializer_list>

#include "mapgen/carving_walk.h"

namespace cv::mapgen {
namespace {

constexpr int kNoSecondWalk = 9;

bool SquareIsWater(const MapGrid& grid, int a, int b) {
    for (int x = a - 1; x <= a + 3; ++x) {
        for (int y = b - 1; y <= b + 3; ++y) {
            if (grid.At(x, y) != kWater) return false;
        }
    }
    return true;
}

bool BlockIsPlain(const MapGrid& grid, int a, int b) {
    return grid.At(a, b) == kPlain && grid.At(a + 1, b) == kPlain && grid.At(a, b + 1) == kPlain &&
           grid.At(a + 1, b + 1) == kPlain;
}

void SetBlock(MapGrid& grid, int a, int b, uint8_t code) {
    for (GridPos cell : {GridPos{a, b}, {a + 1, b}, {a, b + 1}, {a + 1, b + 1}}) {
        grid.Set(cell, code);
    }
}

void CutKingsBay(ContinentLayout& layout) {
    const GridPos king = layout.castles.back();
    const int a = king.a, b = king.b + 2;
    // Another castle close below may hold these cells; then there is no bay.
    if (!BlockIsPlain(layout.grid, a, b)) return;
    SetBlock(layout.grid, a, b, kWater);
    CarveToRim(layout.grid, {a, b}, 2);
}

int LandCount(const MapGrid& grid) {
    int count = 0;
    for (int a = kLandFirst; a <= kLandLast; ++a) {
        for (int b = kLandFirst; b <= kLandLast; ++b) count += grid.At(a, b) != kWater ? 1 : 0;
    }
    return count;
}

void CarveOnce(MapGrid& grid, GridPos start) {
    SetBlock(grid, start.a, start.b, kWater);
    const int first = RandMod(8) + 1;
    CarveToRim(grid, start, first);
    int second = RandMod(9) + 1;
    while (second == first) second = RandMod(9) + 1;
    if (second != kNoSecondWalk) CarveToRim(grid, start, second);
}

// Turns the first plain cell of `candidates` into water; false when none is plain.
bool FloodFirstPlain(MapGrid& grid, std::initializer_list<GridPos> candidates) {
    for (GridPos cell : candidates) {
        if (grid.At(cell) == kPlain) {
            grid.Set(cell, kWater);
            return true;
        }
    }
    return false;
}

bool IsLand(const MapGrid& grid, int a, int b) {
    return grid.At(a, b) != kWater;
}

// A water cell pinched between land across one axis (`along` is that axis's
// unit step), or squeezed between land on one side and a diagonal on the other.
bool WidenAt(MapGrid& grid, int a, int b, GridPos along) {
    const GridPos before{a - along.a, b - along.b}, after{a + along.a, b + along.b};
    if (IsLand(grid, before.a, before.b) && IsLand(grid, after.a, after.b)) {
        return FloodFirstPlain(grid, {before, after});
    }
    const GridPos across{along.b, along.a};
    if (IsLand(grid, a - across.a, b - across.b) || IsLand(grid, a + across.a, b + across.b)) {
        return false;
    }
    for (int side : {-1, 1}) {
        const GridPos land{a + side * along.a, b + side * along.b};
        const GridPos diagonal1{a - side * along.a - across.a, b - side * along.b - across.b};
        const GridPos diagonal2{a - side * along.a + across.a, b - side * along.b + across.b};
        if (!IsLand(grid, land.a, land.b)) continue;
        if (!IsLand(grid, diagonal1.a, diagonal1.b) && !IsLand(grid, diagonal2.a, diagonal2.b)) {
            continue;
        }
        if (FloodFirstPlain(grid, {land, diagonal1, diagonal2})) return true;
    }
    return false;
}

bool WidenThinWaterOnce(MapGrid& grid) {
    bool changed = false;
    for (int a = kLandFirst; a <= kLandLast; ++a) {
        for (int b = kLandFirst; b <= kLandLast; ++b) {
            if (grid.At(a, b) != kWater) continue;
            if (WidenAt(grid, a, b, {1, 0}) || WidenAt(grid, a, b, {0, 1})) changed = true;
        }
    }
    return changed;
}

}  // namespace

void PlaceCastles(const ContinentPlan& plan, ContinentLayout& layout) {
    MapGrid& grid = layout.grid;
    for (int i = 0; i < plan.CastleCount(); ++i) {
        auto corner = DrawCell([&](int a, int b) { return SquareIsWater(grid, a, b); });
        if (!corner) return;
        const int a = corner->a, b = corner->b;
        for (int x = a; x <= a + 2; ++x) {
            grid.Set(x, b, kCastle);
            grid.Set(x, b + 1, kCastle);
        }
        grid.Set(a + 1, b + 2, kCastle);
        layout.castles.push_back({a + 1, b + 1});
    }
}

void RaiseLand(const ContinentPlan& plan, ContinentLayout& layout) {
    for (int a = kLandFirst; a <= kLandLast; ++a) {
        for (int b = kLandFirst; b <= kLandLast; ++b) {
            if (layout.grid.At(a, b) == kWater) layout.grid.Set(a, b, kPlain);
        }
    }
    if (plan.HasKingsCastle() && !layout.castles.empty()) CutKingsBay(layout);
}

void Erode(MapGrid& grid, int landTarget) {
    while (LandCount(grid) > landTarget) {
        auto start = DrawCell([&](int a, int b) { return BlockIsPlain(grid, a, b); });
        if (!start) return;
        CarveOnce(grid, *start);
    }
}

void RemoveThinWater(MapGrid& grid) {
    while (WidenThinWaterOnce(grid)) {
    }
}

}  // namespace cv::mapgen
