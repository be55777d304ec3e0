#include "autoplay/route_map.h"

#include <algorithm>
#include <functional>
#include <limits>
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
    TabulateSteps();
    Search(std::move(extraCost));
}

void RouteMap::TabulateSteps() {
    phaseAfter_.assign(kPhases * kCells, -1);
    for (int index = 0; index < kCells; ++index) {
        const Cell cell = CellOf(index);
        if (!world_.IsKnown(cell)) continue;
        const auto set = [&](int phase, int after) {
            phaseAfter_[StateOf(phase, cell)] = static_cast<int8_t>(after);
        };
        const bool boatHere = mover_.boat && cell == *mover_.boat;
        if (boatHere) set(kLand, kSail);
        const MapObj* object = world_.ObjectAt(cell);
        if (object && !LetsHeroOn(*object)) continue;
        const bool walk = world_.Has(cell, kTerrainWalk);
        if (walk && !boatHere) set(kLand, kLand);
        if (walk) set(kAshore, kAshore);
        if (world_.Has(cell, kTerrainSwim)) {
            set(kSail, kSail);
        } else if (walk) {
            set(kSail, kAshore);
        }
    }
}

// Dijkstra over (phase, cell), the states kept in a bucket for each cost.
// Steps cost at least 1, so a bucket is whole when its turn comes; taken in
// state order, ties go to the lower state and the same map always gives the
// same routes.
void RouteMap::Search(CellCost extraCost) {
    cost_.assign(kPhases * kCells, kUnreached);
    previous_.assign(kPhases * kCells, kUnreached);
    // Each cell's extra cost, asked once when first stepped onto.
    constexpr int kNotAsked = std::numeric_limits<int>::min();
    std::vector<int> extraAt(kCells, extraCost ? kNotAsked : 0);
    std::vector<std::vector<int>> reachedAt{{start_}};  // states by cost
    cost_[start_] = 0;
    const auto stepFrom = [&](int state, int cost) {
        const int phase = state / kCells;
        for (Cell direction : kDirections) {
            const Cell next = Offset(CellOf(state), direction);
            if (!IsOnContinent(next)) continue;
            const int nextPhase = phaseAfter_[StateOf(phase, next)];
            if (nextPhase < 0) continue;
            int& extra = extraAt[StateOf(0, next)];
            if (extra == kNotAsked) extra = extraCost(next);
            if (extra < 0) continue;
            const bool slow = nextPhase != kSail && world_.Has(next, kTerrainSlow);
            const int nextCost = cost + (slow ? mover_.slowStepCost : 1) + extra;
            const int nextState = StateOf(nextPhase, next);
            if (cost_[nextState] != kUnreached && cost_[nextState] <= nextCost) continue;
            cost_[nextState] = nextCost;
            previous_[nextState] = state;
            if (reachedAt.size() <= size_t(nextCost)) reachedAt.resize(nextCost + 1);
            reachedAt[nextCost].push_back(nextState);
        }
    };
    for (int cost = 0; cost < int(reachedAt.size()); ++cost) {
        // A step of no cost (a rule without days) adds to the bucket in hand.
        while (!reachedAt[cost].empty()) {
            std::vector<int> states = std::move(reachedAt[cost]);
            reachedAt[cost].clear();
            std::sort(states.begin(), states.end());
            for (int state : states) {
                if (cost_[state] == cost) stepFrom(state, cost);
            }
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
    // Whether each cell is a target, asked once (-1 not yet).
    std::vector<int8_t> isTarget(kCells, -1);
    const auto targetAt = [&](Cell cell) {
        int8_t& known = isTarget[StateOf(0, cell)];
        if (known < 0) known = world_.IsKnown(cell) && target(cell);
        return known == 1;
    };
    int bestState = kUnreached, bestCost = 0;
    Cell bestCell;
    for (int state = 0; state < kPhases * kCells; ++state) {
        if (cost_[state] == kUnreached) continue;
        if (bestState != kUnreached && cost_[state] + 1 >= bestCost) continue;
        for (Cell direction : kDirections) {
            const Cell next = Offset(CellOf(state), direction);
            if (!IsOnContinent(next) || !targetAt(next)) continue;
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
