#pragma once

// What the planner's goals share: the kinds of objects they look for, the
// distances worth walking, and the nearest visit.
#include <set>

#include "autoplay/planner.h"

namespace cv::autoplay {

// Steps worth walking for a chest or a band, to look at an army, and for
// recruits when they are not needed at once.
constexpr int kNearbyTreasure = 40;
constexpr int kNearbyArmy = 12;
constexpr int kNearbyRecruits = 40;
// Gold that makes a walk to the King's recruiting worth it.
constexpr int kWorthyRecruiting = 1500;
// Without a town's news, a villain's army is judged by his bounty.
constexpr int kBountyPerPower = 12;

template <class Type>
const Type* As(const MapObj* object) {
    return dynamic_cast<const Type*>(object);
}

inline Action Simple(Action::Kind kind, int value = 0) {
    Action action;
    action.kind = kind;
    action.value = value;
    return action;
}

template <class Keep>
std::optional<Route> Planner::NearestVisit(const Scene& scene, Keep keep, int most) const {
    std::set<const MapObj*> wanted;
    for (const Ref<MapObj>& object : scene.world.objects()) {
        const auto visited = visitedAt_.find(object.get());
        if (visited != visitedAt_.end() && visited->second == Moment()) continue;
        if (keep(*object)) wanted.insert(object.get());
    }
    if (wanted.empty()) return std::nullopt;
    std::optional<Route> route = scene.routes.ToVisit(
        [&](Cell cell) { return wanted.count(scene.world.ObjectAt(cell)) > 0; });
    if (!route || static_cast<int>(route->cells.size()) > most) return std::nullopt;
    return route;
}

template <class Keep>
std::optional<Action> Planner::VisitNearest(const Scene& scene, Keep keep, int most) {
    const std::optional<Route> route = NearestVisit(scene, keep, most);
    if (!route) return std::nullopt;
    return Go(*route, scene.world.ObjectAt(route->cells.back()));
}

}  // namespace cv::autoplay
