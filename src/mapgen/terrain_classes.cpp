#include "mapgen/terrain_classes.h"

namespace cv::mapgen {
namespace {

constexpr int kRectangleAttempts = 101;
constexpr int kCornerSpan = 63;

int LandCount(const MapGrid& grid) {
    return grid.Count([](uint8_t cell) { return cell != kWater; });
}

// A draw of rand() % 63 other than `other`.
int DrawOtherThan(int other) {
    int value = RandMod(kCornerSpan);
    while (value == other) value = RandMod(kCornerSpan);
    return value;
}

void FillRectangle(MapGrid& grid, GridPos from, GridPos to, uint8_t code) {
    for (int a = from.a; a <= to.a; ++a) {
        for (int b = from.b; b <= to.b; ++b) {
            if (grid.At(a, b) == kPlain) grid.Set(a, b, code);
        }
    }
}

bool Has(const MapGrid& grid, const TerrainClass& terrainClass, int a, int b) {
    return terrainClass.Holds(grid.At(a, b));
}

// Two orthogonal neighbours of the class with the diagonal between them
// missing, and the cell not closed on the opposite side.
bool IsLoneCorner(const MapGrid& grid, const TerrainClass& c, int a, int b) {
    for (int da : {-1, 1}) {
        for (int db : {-1, 1}) {
            if (!Has(grid, c, a + da, b) || !Has(grid, c, a, b + db)) continue;
            if (Has(grid, c, a + da, b + db)) continue;
            if (!Has(grid, c, a - da, b) || !Has(grid, c, a, b - db) ||
                !Has(grid, c, a - da, b - db)) {
                return true;
            }
        }
    }
    return false;
}

bool IsUndrawable(const MapGrid& grid, const TerrainClass& c, int a, int b) {
    const bool openAlongA = !Has(grid, c, a - 1, b) && !Has(grid, c, a + 1, b);
    const bool openAlongB = !Has(grid, c, a, b - 1) && !Has(grid, c, a, b + 1);
    return openAlongA || openAlongB || IsLoneCorner(grid, c, a, b);
}

bool SmoothOnce(MapGrid& grid, const TerrainClass& terrainClass) {
    bool changed = false;
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) {
            if (!Has(grid, terrainClass, a, b) || !IsUndrawable(grid, terrainClass, a, b)) continue;
            grid.Set(a, b, kPlain);
            changed = true;
        }
    }
    return changed;
}

}  // namespace

void SpreadClass(MapGrid& grid, const TerrainClass& terrainClass, int target) {
    auto count = [&] { return grid.Count([&](uint8_t cell) { return terrainClass.Holds(cell); }); };
    for (int attempt = 0; attempt < kRectangleAttempts && count() < target; ++attempt) {
        const int a1 = RandMod(kCornerSpan);
        const int b1 = RandMod(kCornerSpan);
        const int a2 = DrawOtherThan(a1);
        const int b2 = DrawOtherThan(b1);
        if (a1 <= a2 && b1 <= b2) FillRectangle(grid, {a1, b1}, {a2, b2}, terrainClass.code);
    }
}

void SpreadClasses(const ContinentPlan& plan, MapGrid& grid) {
    const bool swampFirst = plan.classAPercent < plan.classCPercent;
    const struct {
        const TerrainClass& terrainClass;
        int percent;
    } order[3] = {
        {swampFirst ? kSwamp : kMountains, swampFirst ? plan.classCPercent : plan.classAPercent},
        {kForest, plan.classBPercent},
        {swampFirst ? kMountains : kSwamp, swampFirst ? plan.classAPercent : plan.classCPercent},
    };
    for (const auto& step : order) {
        SpreadClass(grid, step.terrainClass, ClassTarget(step.percent, LandCount(grid)));
    }
}

void SmoothClasses(MapGrid& grid) {
    bool changed = true;
    while (changed) {
        changed = false;
        for (const TerrainClass* terrainClass : {&kMountains, &kForest, &kSwamp}) {
            if (SmoothOnce(grid, *terrainClass)) changed = true;
        }
    }
}

}  // namespace cv::mapgen
