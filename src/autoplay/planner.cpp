#include "autoplay/planner.h"

#include <memory>

#include "autoplay/object_moves.h"
#include "game/world/army_objects.h"

namespace cv::autoplay {
namespace {

// A way into the unknown is looked at again after this many steps, as the
// fog lifts around it.
constexpr size_t kStepsBeforeLookingAgain = 6;

// The extra steps a cell near an army of unknown or greater power is worth
// avoiding, by its distance from it: one that notices the hero two cells
// away chases him while he stays within three.
constexpr int kDangerByDistance[] = {0, 20, 8, 2};

// The power below which a hero keeps away from armies he has not seen.
constexpr double kScoutingPower = 150;

std::pair<int, int> Key(int continent, Cell cell) {
    return {continent, cell.y * kContinentSize + cell.x};
}

}  // namespace

Planner::Planner(RunningGame& game, PlayerMemory& memory, const Planner& before,
                 const ObjectMoves& moved)
    : game_(game),
      memory_(memory),
      plan_(before.plan_),
      refused_(before.refused_),
      exhausted_(before.exhausted_),
      visitedAt_(moved.Rekeyed(before.visitedAt_)),
      guesses_(before.guesses_),
      guessedAt_(before.guessedAt_),
      week_(before.week_) {
    // A way to an object that left the map leads nowhere now.
    if (plan_ && plan_->target && !moved(plan_->target)) plan_.reset();
    if (plan_) plan_->target = moved(plan_->target);
}

bool Planner::Outmatches(const SeenArmy& enemy) const {
    return Power(game_.hero()) >= kFightMargin * Power(enemy);
}

// An army seen to be too strong, or any not seen yet by a hero with few men.
bool Planner::Dreaded(const MapObj& army) const {
    const auto seen = memory_.sightings.find(&army);
    if (seen != memory_.sightings.end()) return !Outmatches(seen->second);
    return Power(game_.hero()) < kScoutingPower;
}

Action Planner::Next(bool disturbed) {
    if (disturbed) plan_.reset();
    memory_.savingForWeapons = SavesForWeapons();
    if (game_.time().week() != week_) {
        week_ = game_.time().week();
        ForgetRefilledDwellings();
    }
    if (std::optional<Action> step = Continue()) return *step;
    plan_.reset();
    return Decide();
}

// The next step of the way, while the hero keeps to it.
std::optional<Action> Planner::Continue() {
    if (!plan_) return std::nullopt;
    Plan& plan = *plan_;
    const Cell at = game_.hero().position();
    if (plan.next >= plan.route.cells.size()) return std::nullopt;
    if (plan.next > 0 && !(at == plan.route.cells[plan.next - 1])) {
        // Nothing showed up, yet the hero did not get there: the way is shut.
        if (at == plan.from) {
            refused_.insert(Key(game_.hero().continent(), plan.route.cells[plan.next - 1]));
        }
        return std::nullopt;
    }
    if (!plan.target && plan.next >= kStepsBeforeLookingAgain) return std::nullopt;
    const Cell to = plan.route.cells[plan.next++];
    plan.from = at;
    Action step;
    step.kind = Action::Kind::kStep;
    step.step = StepBetween(at, to);
    if (plan.next == plan.route.cells.size()) {
        if (plan.target) visitedAt_[plan.target] = Moment();
        step.visiting = plan.target;
        step.purpose = plan.purpose;
    }
    return step;
}

long Planner::Moment() const {
    const TimeSystem& time = game_.time();
    return (long{time.daysLeft()} * time.stepsPerDay() + time.stepCounter()) * 1024 +
           time.timeStop();
}

std::optional<Action> Planner::Go(Route route, const MapObj* target, Purpose purpose) {
    plan_ = Plan{std::move(route), 0, target, purpose, game_.hero().position()};
    std::optional<Action> step = Continue();
    if (!step) plan_.reset();
    return step;
}

Mover Planner::MoverNow() const {
    const Hero& hero = game_.hero();
    Mover mover;
    mover.at = hero.position();
    mover.sailing = hero.travelMode() == TravelMode::kSail;
    const Ref<MapObj>& boat = game_.rentedBoat();
    if (boat && !mover.sailing && boat->continent() == hero.continent()) mover.boat = boat->cell();
    mover.slowStepCost = game_.time().stepsPerDay();
    return mover;
}

CellCost Planner::DangerCost(const KnownWorld& world) const {
    auto extra = std::make_shared<std::vector<int>>(kContinentSize * kContinentSize, 0);
    const auto add = [&](Cell cell, int cost) {
        if (IsOnContinent(cell)) (*extra)[cell.y * kContinentSize + cell.x] += cost;
    };
    for (const Ref<MapObj>& object : world.objects()) {
        if (!dynamic_cast<const Enemy*>(object.get()) || !Dreaded(*object)) continue;
        const Cell at = object->cell();
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const Cell cell{at.x + dx, at.y + dy};
                add(cell, kDangerByDistance[Distance(cell, at)]);
            }
        }
    }
    const int continent = world.continent();
    for (const auto& [where, cell] : refused_) {
        if (where == continent) (*extra)[cell] = -1;
    }
    return [extra](Cell cell) { return (*extra)[cell.y * kContinentSize + cell.x]; };
}

std::optional<Route> Planner::RouteToObject(const Scene& scene, const MapObj* object) const {
    return scene.routes.ToVisit([&](Cell cell) { return scene.world.ObjectAt(cell) == object; });
}

Action Planner::Decide() {
    if (std::optional<Action> tidy = Tidy()) return *tidy;
    const KnownWorld world(game_, game_.hero().continent());
    const RouteMap routes(world, MoverNow(), DangerCost(world));
    const Scene scene{world, routes};
    // The last ones only when nothing else is left: recruits however far,
    // a siege at even odds, a way out past an army.
    for (auto goal :
         {&Planner::SearchSceptre, &Planner::SeeKing, &Planner::TakeContract, &Planner::Collect,
          &Planner::RecruitNearby, &Planner::Hunt, &Planner::Explore, &Planner::ReinforceElsewhere,
          &Planner::Voyage, &Planner::StrengthenAnywhere, &Planner::Gamble, &Planner::BreakOut}) {
        if (std::optional<Action> action = (this->*goal)(scene)) return *action;
    }
    return Action{};
}

}  // namespace cv::autoplay
