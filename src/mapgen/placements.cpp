#include "mapgen/placements.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace cv::mapgen {
namespace {

// Rays a cut may try before it gives up on an object hemmed in by castles and
// other objects, which it may not cut through.
constexpr int kMaxCutTurns = 100;

// The eight directions a cut may take, in the order of its draw.
constexpr GridPos kCutSteps[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                  {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

bool IsOpenGround(uint8_t cell) {
    return cell == kPlain || kSwamp.Holds(cell);
}

// Up to `count` drawn plain cells that also pass `fits`, reserved.
void Reserve(MapGrid& grid, int count, std::vector<GridPos>& positions,
             const std::function<bool(GridPos)>& fits = {}) {
    for (int i = 0; i < count; ++i) {
        auto cell = DrawCell([&](int a, int b) {
            return grid.At(a, b) == kPlain && (!fits || fits({a, b}));
        });
        if (!cell) return;
        grid.Set(*cell, kReserved);
        positions.push_back(*cell);
    }
}

// Each ray starts at the object itself: a ray that starts where the last one
// met the edge seldom passes the object, and one blocked by the object's own
// castle would otherwise leave it cut off.
void CutPath(MapGrid& grid, GridPos start) {
    for (int turn = 0; turn < kMaxCutTurns; ++turn) {
        const GridPos step = kCutSteps[RandMod(8)];
        GridPos at = start;
        while (MapGrid::Inside(at.a + step.a, at.b + step.b)) {
            at = {at.a + step.a, at.b + step.b};
            if (kMountains.Holds(grid.At(at)) || kForest.Holds(grid.At(at))) {
                grid.Set(at, kPlain);
            }
            if (ReachesSea(grid, start)) return;
        }
    }
}

void EnsureAccess(MapGrid& grid, GridPos start) {
    if (!ReachesSea(grid, start)) CutPath(grid, start);
}

bool IsGate(const ContinentLayout& layout, GridPos cell) {
    const GridPos above{cell.a, cell.b - 1};
    return std::find(layout.castles.begin(), layout.castles.end(), above) != layout.castles.end();
}

// The hero cannot walk through a town: with `cell` taken, each open neighbour
// must still reach the sea, or whatever came that way would be cut off.
bool CutsOffANeighbour(MapGrid& grid, GridPos cell) {
    const uint8_t was = grid.At(cell);
    grid.Set(cell, kReserved);
    const bool cuts = std::any_of(std::begin(kCutSteps), std::end(kCutSteps), [&](GridPos step) {
        const GridPos next{cell.a + step.a, cell.b + step.b};
        const uint8_t code = grid.At(next);
        return (IsOpenGround(code) || code == kReserved) && !ReachesSea(grid, next);
    });
    grid.Set(cell, was);
    return cuts;
}

}  // namespace

bool ReachesSea(const MapGrid& grid, GridPos start) {
    bool seen[kGridSize][kGridSize] = {};
    std::vector<GridPos> open = {start};
    seen[start.a][start.b] = true;
    while (!open.empty()) {
        const GridPos at = open.back();
        open.pop_back();
        for (GridPos step : kCutSteps) {
            const GridPos next{at.a + step.a, at.b + step.b};
            const uint8_t cell = grid.At(next);
            if (cell == kWater) return true;
            if (!IsOpenGround(cell) || seen[next.a][next.b]) continue;
            seen[next.a][next.b] = true;
            open.push_back(next);
        }
    }
    return false;
}

void PlaceObjects(const ContinentPlan& plan, ContinentLayout& layout) {
    Reserve(layout.grid, plan.treasureSpots, layout.treasureSpots);
    if (plan.HasKingsCastle()) {
        std::vector<GridPos> teacher;
        Reserve(layout.grid, 1, teacher);
        if (!teacher.empty()) layout.spellTeacher = teacher.front();
    }
    Reserve(layout.grid, plan.armies, layout.armies);
}

void PlaceTowns(const ContinentPlan& plan, ContinentLayout& layout) {
    MapGrid& grid = layout.grid;
    Reserve(grid, plan.towns, layout.towns, [&](GridPos cell) {
        return grid.TouchesWater(cell.a, cell.b) && !IsGate(layout, cell) &&
               !CutsOffANeighbour(grid, cell);
    });
}

void FreeCastleGates(MapGrid& grid) {
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) {
            if (grid.At(a, b) == kCastle && grid.At(a - 1, b) != kCastle &&
                grid.At(a + 1, b) != kCastle) {
                grid.Set(a, b, kPlain);
            }
        }
    }
}

void OpenAccess(ContinentLayout& layout) {
    MapGrid& grid = layout.grid;
    for (GridPos spot : layout.treasureSpots) EnsureAccess(grid, spot);
    if (layout.spellTeacher) EnsureAccess(grid, *layout.spellTeacher);
    for (GridPos army : layout.armies) EnsureAccess(grid, army);
    for (GridPos castle : layout.castles) EnsureAccess(grid, {castle.a, castle.b + 1});
}

void ReleaseReserved(MapGrid& grid) {
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) {
            if (grid.At(a, b) == kReserved) grid.Set(a, b, kPlain);
        }
    }
}

}  // namespace cv::mapgen
