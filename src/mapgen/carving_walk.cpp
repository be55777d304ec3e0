#include "mapgen/carving_walk.h"

#include <utility>
#include <vector>

namespace cv::mapgen {
namespace {

// Deeper than this the channel gives up; it bounds the recursion.
constexpr int kMaxDepth = 1000;
constexpr int kStraightDirections[] = {1, 2, 3, 4};

int Opposite(int direction) {
    const GridPos step = kWalkSteps[direction];
    for (int d = 1; d <= 8; ++d) {
        if (kWalkSteps[d].a == -step.a && kWalkSteps[d].b == -step.b) return d;
    }
    return 0;
}

class CarvingWalk {
public:
    explicit CarvingWalk(MapGrid& grid) : grid_(grid) {}

    bool Step(GridPos at, int direction, int depth) {
        if (!MapGrid::InLandArea(at.a, at.b)) return true;
        if (BlockTouchesCastle(at) || visited_[at.a][at.b]) return false;
        visited_[at.a][at.b] = true;
        if (depth > kMaxDepth) return false;
        const std::vector<Saved> saved = Remember(at);
        Flood(at, direction);
        if (Continue(at, direction, depth)) return true;
        for (const Saved& cell : saved) grid_.Set(cell.first, cell.second);
        return false;
    }

private:
    using Saved = std::pair<GridPos, uint8_t>;

    bool BlockTouchesCastle(GridPos at) const {
        for (int da = 0; da < 2; ++da) {
            for (int db = 0; db < 2; ++db) {
                if (grid_.At(at.a + da, at.b + db) == kCastle) return true;
            }
        }
        return false;
    }

    // The block and the eight cells along its sides.
    std::vector<Saved> Remember(GridPos at) const {
        static const GridPos kCells[] = {{0, 0}, {1, 0}, {0, 1},  {1, 1},  {-1, 0}, {-1, 1},
                                         {2, 0}, {2, 1}, {0, -1}, {1, -1}, {0, 2},  {1, 2}};
        std::vector<Saved> saved;
        for (GridPos offset : kCells) {
            GridPos cell{at.a + offset.a, at.b + offset.b};
            saved.emplace_back(cell, grid_.At(cell));
        }
        return saved;
    }

    // Clears the block and, now and then, widens the channel at its sides.
    void Flood(GridPos at, int direction) {
        for (int da = 0; da < 2; ++da) {
            for (int db = 0; db < 2; ++db) grid_.Set(at.a + da, at.b + db, kWater);
        }
        const bool vertical = direction == 1 || direction == 2;
        const GridPos across = vertical ? GridPos{0, 1} : GridPos{1, 0};
        const std::array<GridPos, 2> sides = vertical ? std::array<GridPos, 2>{{{-1, 0}, {2, 0}}}
                                                      : std::array<GridPos, 2>{{{0, -1}, {0, 2}}};
        for (GridPos side : sides) {
            if (RandMod(10) + 1 <= 8) continue;
            const GridPos first{at.a + side.a, at.b + side.b};
            const GridPos second{first.a + across.a, first.b + across.b};
            if (grid_.At(first) == kCastle || grid_.At(second) == kCastle) continue;
            grid_.Set(first, kWater);
            grid_.Set(second, kWater);
        }
    }

    bool Continue(GridPos at, int direction, int depth) {
        const GridPos step = kWalkSteps[direction];
        if (Step({at.a + step.a, at.b + step.b}, direction, depth + 1)) return true;
        for (int turn : kStraightDirections) {
            if (turn == direction || turn == Opposite(direction)) continue;
            const GridPos side = kWalkSteps[turn];
            if (Step({at.a + side.a, at.b + side.b}, turn, depth + 1)) return true;
        }
        return false;
    }

    MapGrid& grid_;
    bool visited_[kGridSize][kGridSize] = {};
};

}  // namespace

bool CarveToRim(MapGrid& grid, GridPos start, int direction) {
    CarvingWalk walk(grid);
    return walk.Step(start, direction, 0);
}

}  // namespace cv::mapgen
