#include "autoplay/route_map.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <utility>

#include "game/world/bonus_objects.h"
#include "game/world/signpost.h"

namespace cv::autoplay {
namespace {

constexpr Cell kDirections[] = {{-1, 1}, {0, 1},   {1, 1},  {-1, 0},
                                {1, 0},  {-1, -1}, {0, -1}, {1, -1}};

Cell Offset(Cell cell, Cell by) {
    return {cell.x + by.x, cell.y + by.y};
}

}  // namespace

Step StepBetween(Cell from, Cell to) {
    return {std::clamp(to.x - from.x, -1, 1), std::clamp(to.y - from.y, -1, 1)};
}

bool RouteMap::LetsHeroOn(const MapObj& object) {
    return dynamic_cast<const Treasure*>(&object) || dynamic_cast<const ArtifactObject*>(&object) ||
           dynamic_cast<const MapRevealer*>(&object) ||
           dynamic_cast<const ContinentMap*>(&object) || dynamic_cast<const Signpost*>(&object);
}

RouteMap::RouteMap(const KnownWorld& world, const Mover& mover, CellCost extraCost)
    : world_(world), mover_(mover) {
    start_ = StateOf(mover.sailing ? kSail : kLand, mover.at);
    Search(std::move(extraCost));
}

int RouteMap::PhaseAfter(int phase, Cell cell) const {
    if (!world_.IsKnown(cell)) return -1;
    if (phase == kLand && mover_.boat && cell == *mover_.boat) return kSail;
    const MapObj* object = world_.ObjectAt(cell);
    if (object && !LetsHeroOn(*object)) return -1;
    if (phase != kSail) return world_.Has(cell, kTerrainWalk) ? phase : -1;
    if (world_.Has(cell, kTerrainSwim)) return kSail;
    return world_.Has(cell, kTerrainWalk) ? kAshore : -1;
}

// Dijkstra over (phase, cell); ties go to the lower state, so the same map
// always gives the same routes.
void RouteMap::Search(CellCost extraCost) {
    cost_.assign(kPhases * kCells, kUnreached);
    previous_.assign(kPhases * kCells, kUnreached);
    using Entry = std::pair<int, int>;  // cost, state
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    cost_[start_] = 0;
    open.push({0, start_});
    while (!open.empty()) {
        const auto [cost, state] = open.top();
        open.pop();
        if (cost != cost_[state]) continue;
        const int phase = state / kCells;
        const Cell cell = CellOf(state);
        for (Cell direction : kDirections) {
            const Cell next = Offset(cell, direction);
            const int nextPhase = PhaseAfter(phase, next);
            if (nextPhase < 0) continue;
            const int extra = extraCost ? extraCost(next) : 0;
            if (extra < 0) continue;
            const bool slow = nextPhase != kSail && world_.Has(next, kTerrainSlow);
            const int nextCost = cost + (slow ? mover_.slowStepCost : 1) + extra;
            const int nextState = StateOf(nextPhase, next);
            if (cost_[nextState] != kUnreached && cost_[nextState] <= nextCost) continue;
            cost_[nextState] = nextCost;
            previous_[nextState] = state;
            open.push({nextCost, nextState});
        }
    }
}

Route RouteMap::RouteToState(int state) const {
    Route route;
    route.cost = cost_[state];
    route.endsSailing = state / kCells == kSail;
    for (int at = state; at != start_; at = previous_[at]) route.cells.push_back(CellOf(at));
    std::reverse(route.cells.begin(), route.cells.end());
    return route;
}

std::optional<Route> RouteMap::ToVisit(const std::function<bool(Cell)>& target) const {
    int bestState = kUnreached, bestCost = 0;
    Cell bestCell;
    for (int state = 0; state < kPhases * kCells; ++state) {
        if (cost_[state] == kUnreached) continue;
        if (bestState != kUnreached && cost_[state] + 1 >= bestCost) continue;
        for (Cell direction : kDirections) {
            const Cell next = Offset(CellOf(state), direction);
            if (!world_.IsKnown(next) || !target(next)) continue;
            bestState = state;
            bestCost = cost_[state] + 1;
            bestCell = next;
            break;
        }
    }
    if (bestState == kUnreached) return std::nullopt;
    Route route = RouteToState(bestState);
    route.cells.push_back(bestCell);
    route.cost = bestCost;
    return route;
}

std::optional<Route> RouteMap::ToStand(const std::function<bool(Cell, bool)>& target) const {
    return Best(target, [](Cell) { return 0; });
}

std::optional<Route> RouteMap::ToStandNear(Cell goal,
                                           const std::function<bool(Cell, bool)>& target) const {
    return Best(target, [goal](Cell cell) { return Distance(cell, goal); });
}

std::optional<Route> RouteMap::Best(const std::function<bool(Cell, bool)>& target,
                                    const std::function<int(Cell)>& remoteness) const {
    int bestState = kUnreached, bestRemoteness = 0;
    for (int state = 0; state < kPhases * kCells; ++state) {
        if (cost_[state] == kUnreached || !target(CellOf(state), state / kCells == kSail)) continue;
        const int far = remoteness(CellOf(state));
        if (bestState != kUnreached &&
            (far > bestRemoteness || (far == bestRemoteness && cost_[state] >= cost_[bestState]))) {
            continue;
        }
        bestState = state;
        bestRemoteness = far;
    }
    if (bestState == kUnreached) return std::nullopt;
    return RouteToState(bestState);
}

}  // namespace cv::autoplay
