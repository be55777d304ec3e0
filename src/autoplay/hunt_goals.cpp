// The planner's hunt for the villain under contract, and the men for it.
#include <algorithm>

#include "autoplay/goal_helpers.h"
#include "autoplay/recruiting.h"
#include "autoplay/villain_hunt.h"
#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"
#include "game/world/army_objects.h"
#include "game/world/continent_travel.h"
#include "game/world/kings_castle.h"
#include "game/world/town_services.h"

namespace cv::autoplay {
namespace {

// How much better a squad must fight to take the weakest one's place.
constexpr double kReplacementGain = 2.0;

}  // namespace

// A lair on another continent is sailed to once the hero is ready for it.
std::optional<Action> Planner::Hunt(const Scene& scene) {
    const Villain* villain = Contracted(game_);
    if (!villain) return std::nullopt;
    if (Castle* lair = KnownLair(game_, *villain)) {
        if (lair->continent() == scene.world.continent()) return Besiege(scene, *lair);
        if (!game_.hero().hasSiegeWeapons() || !StrongFor(*lair)) return std::nullopt;
        return SailTowards(scene, lair->continent());
    }
    const int continent = LastSeenContinent(game_, *villain);
    if (continent < 0) return std::nullopt;
    if (continent != scene.world.continent()) return SailTowards(scene, continent);
    return HuntOnLairContinent(scene, *villain);
}

bool Planner::StrongFor(const Castle& lair) const {
    const auto news = memory_.castleNews.find(&lair);
    if (news != memory_.castleNews.end()) return Outmatches(news->second);
    return StrongForBounty();
}

bool Planner::StrongForBounty() const {
    const Villain* villain = Contracted(game_);
    return villain && Power(game_.hero()) * kBountyPerPower >= kFightMargin * villain->reward();
}

bool Planner::SavesForWeapons() const {
    const Villain* villain = Contracted(game_);
    if (!villain || game_.hero().hasSiegeWeapons()) return false;
    const Castle* lair = KnownLair(game_, *villain);
    return lair ? StrongFor(*lair) : StrongForBounty();
}

// Asks the towns not heard yet and looks at the castles whose rulers are
// not known, the nearest first.
std::optional<Action> Planner::HuntOnLairContinent(const Scene& scene, const Villain&) {
    const auto unknown = [](const MapObj& object) {
        if (const auto* town = As<Town>(&object)) return !town->visited();
        const auto* castle = As<Castle>(&object);
        return castle && !(castle->flags() & Castle::kRulerKnown);
    };
    if (std::optional<Action> go = VisitNearest(scene, unknown)) return go;
    const bool someLeft = std::any_of(scene.world.objects().begin(), scene.world.objects().end(),
                                      [&](const Ref<MapObj>& object) { return unknown(*object); });
    return someLeft ? FetchBoat(scene) : std::nullopt;
}

std::optional<Action> Planner::Besiege(const Scene& scene, Castle& lair) {
    const Hero& hero = game_.hero();
    const auto towns = [](const MapObj& object) { return As<Town>(&object) != nullptr; };
    if (!hero.hasSiegeWeapons()) {
        if (!AffordsSiegeWeapons(game_)) return std::nullopt;
        return VisitNearest(scene, towns);
    }
    if (StrongFor(lair)) {
        const std::optional<Route> route = RouteToObject(scene, &lair);
        if (route) return Go(*route, &lair, Purpose::kLaySiege);
        return FetchBoat(scene);
    }
    if (!memory_.castleNews.count(&lair)) {
        const auto tellsOfLair = [&](const MapObj& object) {
            const auto* town = As<Town>(&object);
            return town && (!town->visited() || town->castle() == lair.name());
        };
        if (std::optional<Action> ask = VisitNearest(scene, tellsOfLair)) return ask;
    }
    return Strengthen(scene);
}

// With nothing else left to do, the siege is tried when the odds are even.
std::optional<Action> Planner::Gamble(const Scene& scene) {
    const Villain* villain = Contracted(game_);
    Castle* lair = villain ? KnownLair(game_, *villain) : nullptr;
    if (!lair || !game_.hero().hasSiegeWeapons()) return std::nullopt;
    const auto news = memory_.castleNews.find(lair);
    const double against = news != memory_.castleNews.end()
                               ? Power(news->second)
                               : static_cast<double>(villain->reward()) / kBountyPerPower;
    if (Power(game_.hero()) < against) return std::nullopt;
    if (lair->continent() != scene.world.continent()) {
        return SailTowards(scene, lair->continent());
    }
    const std::optional<Route> route = RouteToObject(scene, lair);
    return route ? Go(*route, lair, Purpose::kLaySiege) : std::nullopt;
}

// An army that shuts the hero in, away from every town, is fought
// whatever the odds: a defeat at least sends him home.
std::optional<Action> Planner::BreakOut(const Scene& scene) {
    const auto town = [](const MapObj& object) { return As<Town>(&object) != nullptr; };
    if (game_.hero().travelMode() != TravelMode::kLand || NearestVisit(scene, town)) {
        return std::nullopt;
    }
    const auto army = [](const MapObj& object) { return As<Enemy>(&object) != nullptr; };
    const std::optional<Route> route = NearestVisit(scene, army, kNearbyArmy);
    if (!route) return std::nullopt;
    return Go(*route, scene.world.ObjectAt(route->cells.back()), Purpose::kAttack);
}

// While the hero is too weak for the lair he knows, the men he can find on
// another continent are sailed to.
std::optional<Action> Planner::ReinforceElsewhere(const Scene& scene) {
    const Villain* villain = Contracted(game_);
    const Castle* lair = villain ? KnownLair(game_, *villain) : nullptr;
    if (!lair || StrongFor(*lair)) return std::nullopt;
    for (int continent : KnownContinents(game_)) {
        if (continent == scene.world.continent()) continue;
        const KnownWorld there(game_, continent);
        for (const Ref<MapObj>& object : there.objects()) {
            if (WorthRecruiting(*object)) return SailTowards(scene, continent);
        }
    }
    return std::nullopt;
}

// A dwelling whose unit the full army has no room for is worth it when its
// squad would fight far better than the weakest squad, which then goes.
bool Planner::WorthRecruiting(const MapObj& object) const {
    const auto* dwelling = As<Dwelling>(&object);
    if (!dwelling)
        return As<KingsCastle>(&object) && KingRecruitingCost(game_, memory_.savingForWeapons) > 0;
    if (memory_.emptyDwellings.count(dwelling)) return false;
    const Hero& hero = game_.hero();
    const Army& army = hero.army();
    const SquadDef& unit = *Units().UnitById(dwelling->unit());
    int count = MaxControllable(unit, hero.EffectiveLeadership()) - army.TotalOf(unit.id);
    const int price = unit.cost + unit.pay;
    if (price > 0) count = std::min(count, SpareGold(game_, memory_.savingForWeapons) / price);
    if (count <= 0 || int64_t{count} * unit.cost < kWorthyRecruiting / 3) return false;
    if (army.CanTake(unit.id)) return KeepsMorale(hero, unit.id, count);
    const int weakest = WeakestSlot(army);
    const Ref<Squad> squad = army.At(weakest);
    return Power(unit, count) >= kReplacementGain * Power(squad->kind(), squad->count()) &&
           KeepsMorale(hero, unit.id, count, weakest);
}

void Planner::ForgetRefilledDwellings() {
    const std::string& unit = game_.time().unitOfWeek();
    std::erase_if(memory_.emptyDwellings, [&](const MapObj* object) {
        const auto* dwelling = As<Dwelling>(object);
        return !dwelling || dwelling->unit() == unit;
    });
}

// Room is made before the way to the recruits begins.
std::optional<Action> Planner::Strengthen(const Scene& scene, int most) {
    const std::optional<Route> route = NearestVisit(
        scene, [&](const MapObj& object) { return WorthRecruiting(object); }, most);
    if (!route) return std::nullopt;
    const MapObj* target = scene.world.ObjectAt(route->cells.back());
    const auto* dwelling = As<Dwelling>(target);
    if (dwelling && !game_.hero().army().CanTake(dwelling->unit())) {
        return Simple(Action::Kind::kDismiss, WeakestSlot(game_.hero().army()));
    }
    return Go(*route, target);
}

std::optional<Action> Planner::RecruitNearby(const Scene& scene) {
    return Strengthen(scene, kNearbyRecruits);
}

std::optional<Action> Planner::StrengthenAnywhere(const Scene& scene) {
    return Strengthen(scene);
}

}  // namespace cv::autoplay
