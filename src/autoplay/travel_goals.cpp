// The planner's ways into the fog and across the sea.
#include "autoplay/goal_helpers.h"
#include "game/world/continent_travel.h"

namespace cv::autoplay {

// The nearest edge of the fog, over land or water; a continent whose fog no
// way reaches, by boat either, is done with.
std::optional<Action> Planner::Explore(const Scene& scene) {
    const int here = scene.world.continent();
    if (exhausted_.count(here)) return std::nullopt;
    const std::optional<Route> route =
        scene.routes.ToStand([&](Cell cell, bool) { return scene.world.IsFrontier(cell); });
    if (route) return Go(*route, nullptr);
    if (std::optional<Action> fetch = FetchBoat(scene)) return fetch;
    if (HasBoatAtHand(scene)) exhausted_.insert(here);
    return std::nullopt;
}

bool Planner::HasBoatAtHand(const Scene& scene) const {
    if (game_.hero().travelMode() == TravelMode::kSail) return true;
    const Ref<MapObj>& boat = game_.rentedBoat();
    return boat && boat->continent() == scene.world.continent() &&
           scene.routes.ToStand(
               [&](Cell cell, bool sailing) { return sailing && cell == boat->cell(); });
}

// A boat from the nearest town that can place one; an old boat that cannot
// be reached is given back there first.
std::optional<Action> Planner::FetchBoat(const Scene& scene) {
    if (HasBoatAtHand(scene)) return std::nullopt;
    if (game_.hero().gold() < game_.hero().boatRent()) return std::nullopt;
    const auto renting = [&](const MapObj& object) {
        const auto* town = As<Town>(&object);
        return town && !memory_.noBoatTowns.count(town);
    };
    std::optional<Action> go = VisitNearest(scene, renting);
    if (go) memory_.wantBoat = true;
    return go;
}

std::optional<Action> Planner::SailTowards(const Scene& scene, int continent) {
    if (!game_.hero().KnowsContinent(continent)) return std::nullopt;
    if (game_.hero().travelMode() == TravelMode::kSail) {
        memory_.sailTo = continent;
        return Simple(Action::Kind::kSail, continent);
    }
    const Ref<MapObj>& boat = game_.rentedBoat();
    if (boat && boat->continent() == scene.world.continent()) {
        const std::optional<Route> aboard = scene.routes.ToStand(
            [&](Cell cell, bool sailing) { return sailing && cell == boat->cell(); });
        if (aboard) return Go(*aboard, nullptr);
    }
    return FetchBoat(scene);
}

// Another continent the hero can sail to, the least known first, while some
// of it is still unknown.
std::optional<Action> Planner::Voyage(const Scene& scene) {
    int best = -1, fewest = kContinentSize * kContinentSize;
    for (int continent : KnownContinents(game_)) {
        if (continent == scene.world.continent() || exhausted_.count(continent)) continue;
        const int known = KnownWorld(game_, continent).KnownCells();
        if (known < fewest) {
            best = continent;
            fewest = known;
        }
    }
    return best < 0 ? std::nullopt : SailTowards(scene, best);
}

}  // namespace cv::autoplay
