#include "mapgen/placements.h"

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

void Reserve(MapGrid& grid, int count, std::vector<GridPos>& positions, bool onCoast) {
    for (int i = 0; i < count; ++i) {
        auto cell = DrawCell([&](int a, int b) {
            return grid.At(a, b) == kPlain && (!onCoast || grid.TouchesWater(a, b));
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
    Reserve(layout.grid, plan.treasureSpots, layout.treasureSpots, false);
    if (plan.HasKingsCastle()) {
        std::vector<GridPos> teacher;
        Reserve(layout.grid, 1, teacher, false);
        if (!teacher.empty()) layout.spellTeacher = teacher.front();
    }
    Reserve(layout.grid, plan.armies, layout.armies, false);
    Reserve(layout.grid, plan.towns, layout.towns, true);
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
    for (GridPos town : layout.towns) EnsureAccess(grid, town);
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
