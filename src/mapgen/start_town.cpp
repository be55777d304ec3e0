#include "mapgen/start_town.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace cv::mapgen {
namespace {

using Ground = std::set<std::pair<int, int>>;

int Distance(GridPos p, GridPos q) {
    return std::max(std::abs(p.a - q.a), std::abs(p.b - q.b));
}

bool IsTown(const ContinentLayout& layout, GridPos cell) {
    return std::find(layout.towns.begin(), layout.towns.end(), cell) != layout.towns.end();
}

// Ground the hero crosses on foot: plain land, swamp and the spots of
// treasure and armies, which are plain land under what stands there.
bool IsWalkable(const ContinentLayout& layout, GridPos cell, GridPos blocked) {
    const uint8_t code = layout.grid.At(cell);
    const bool ground = code == kPlain || kSwamp.Holds(code) || code == kReserved;
    return MapGrid::Inside(cell.a, cell.b) && ground && !(cell == blocked) && !IsTown(layout, cell);
}

// Every cell the hero can walk to from `start` without crossing `blocked`.
Ground Reach(const ContinentLayout& layout, GridPos start, GridPos blocked) {
    Ground seen = {{start.a, start.b}};
    std::vector<GridPos> open = {start};
    while (!open.empty()) {
        const GridPos at = open.back();
        open.pop_back();
        for (int da = -1; da <= 1; ++da) {
            for (int db = -1; db <= 1; ++db) {
                const GridPos next{at.a + da, at.b + db};
                if (!IsWalkable(layout, next, blocked) || !seen.insert({next.a, next.b}).second)
                    continue;
                open.push_back(next);
            }
        }
    }
    return seen;
}

bool Touches(const Ground& ground, GridPos cell) {
    for (int da = -1; da <= 1; ++da) {
        for (int db = -1; db <= 1; ++db) {
            if (ground.count({cell.a + da, cell.b + db})) return true;
        }
    }
    return false;
}

// With a town on `cell`, the rest of the ground stays one piece that still
// reaches the water.
bool KeepsGroundWhole(const ContinentLayout& layout, GridPos gate, const Ground& ground,
                      GridPos cell) {
    const Ground rest = Reach(layout, gate, cell);
    if (rest.size() + 1 != ground.size()) return false;
    return std::any_of(rest.begin(), rest.end(),
                       [&](const auto& p) { return layout.grid.TouchesWater(p.first, p.second); });
}

}  // namespace

void BringATownToTheStart(ContinentLayout& layout) {
    if (layout.castles.empty() || layout.towns.empty()) return;
    const GridPos gate{layout.castles.back().a, layout.castles.back().b + 1};
    const Ground ground = Reach(layout, gate, gate);
    for (GridPos town : layout.towns) {
        if (Touches(ground, town)) return;
    }
    std::vector<GridPos> sites;
    for (const auto& [a, b] : ground) {
        const GridPos cell{a, b};
        if (layout.grid.At(cell) == kPlain && !(cell == gate) && layout.grid.TouchesWater(a, b))
            sites.push_back(cell);
    }
    std::stable_sort(sites.begin(), sites.end(),
                     [&](GridPos p, GridPos q) { return Distance(p, gate) < Distance(q, gate); });
    const auto site = std::find_if(sites.begin(), sites.end(), [&](GridPos cell) {
        return KeepsGroundWhole(layout, gate, ground, cell);
    });
    if (site == sites.end()) return;
    const auto nearest = std::min_element(
        layout.towns.begin(), layout.towns.end(),
        [&](GridPos p, GridPos q) { return Distance(p, gate) < Distance(q, gate); });
    layout.grid.Set(*nearest, kPlain);
    layout.grid.Set(*site, kReserved);
    *nearest = *site;
}

}  // namespace cv::mapgen
