#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "autoplay/known_world.h"

namespace cv::autoplay {

// Where the hero sets out from: on foot or in his boat, and where his boat
// waits when he is ashore (none without one on this continent).
struct Mover {
    Cell at;
    bool sailing = false;
    std::optional<Cell> boat;
    int slowStepCost = 1;  // a step into swamp costs a whole day
};

// The cells a route steps onto, in order; the last one may be an object the
// hero only visits.
struct Route {
    std::vector<Cell> cells;
    int cost = 0;
    bool endsSailing = false;
};

// Extra cost of stepping onto a cell (danger); below 0 forbids the cell.
using CellCost = std::function<int(Cell)>;

// The cheapest ways over the known cells of one continent from where the
// hero stands: walking on walkable ground, boarding his boat where it
// waits, sailing on water and going ashore on walkable ground, as a step of
// the hero allows them. A cell with an object on it is passed only when the
// object lets the hero on (a treasure, an artifact, a map, a sign); any
// other object ends the way there and can only be visited.
class RouteMap {
public:
    RouteMap(const KnownWorld& world, const Mover& mover, CellCost extraCost = {});

    // The cheapest route whose last step visits a cell where `target` holds.
    std::optional<Route> ToVisit(const std::function<bool(Cell)>& target) const;
    // The cheapest route ending on a cell where `target` holds (sailing or
    // not); the hero's own cell counts, with an empty route.
    std::optional<Route> ToStand(const std::function<bool(Cell, bool sailing)>& target) const;
    // Of the cells the hero can reach where `target` holds, the route to the
    // one nearest `goal`, the cheapest of those.
    std::optional<Route> ToStandNear(Cell goal,
                                     const std::function<bool(Cell, bool sailing)>& target) const;

    // Objects the hero walks over: they are taken, or read, as he passes.
    static bool LetsHeroOn(const MapObj& object);

private:
    enum Phase { kLand, kSail, kAshore, kPhases };
    static constexpr int kCells = kContinentSize * kContinentSize;
    static constexpr int kUnreached = -1;

    void Search(CellCost extraCost);
    // For every phase and cell, the phase after stepping onto the cell, or -1
    // where the hero cannot stand there; worked out once, as the search asks
    // for each cell from all its neighbours.
    void TabulateSteps();
    Route RouteToState(int state) const;
    // The reached state where `target` holds with the least remoteness, then
    // the least cost.
    std::optional<Route> Best(const std::function<bool(Cell, bool)>& target,
                              const std::function<int(Cell)>& remoteness) const;
    static int StateOf(int phase, Cell cell) {
        return phase * kCells + cell.y * kContinentSize + cell.x;
    }
    static Cell CellOf(int state) {
        const int cell = state % kCells;
        return {cell % kContinentSize, cell / kContinentSize};
    }

    const KnownWorld& world_;
    Mover mover_;
    int start_ = 0;
    std::vector<int8_t> phaseAfter_;  // by state
    std::vector<int> cost_;
    std::vector<int> previous_;
};

// The step (each -1..1) from one cell to the next.
struct Step {
    int dx = 0;
    int dy = 0;
};
Step StepBetween(Cell from, Cell to);

}  // namespace cv::autoplay
