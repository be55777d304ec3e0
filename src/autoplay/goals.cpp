// The planner's first goals: the army kept in hand, the sceptre, the King,
// a contract and what lies near.
#include <algorithm>

#include "autoplay/goal_helpers.h"
#include "autoplay/recruiting.h"
#include "autoplay/villain_hunt.h"
#include "game/model/army_rules.h"
#include "game/world/army_objects.h"
#include "game/world/bonus_objects.h"
#include "game/world/continent_travel.h"
#include "game/world/kings_castle.h"
#include "game/world/villain_rules.h"

namespace cv::autoplay {
namespace {

// A searched cell costs ten days; so many are kept for each search.
constexpr int kDaysPerSearch = 40;
constexpr int kLastDays = 30;
constexpr size_t kFewestClues = 3;

}  // namespace

// Squads out of control, and the peasants a disgrace leaves, are sent home
// while others remain.
std::optional<Action> Planner::Tidy() {
    const Hero& hero = game_.hero();
    for (int slot = 0; slot < Army::kSlots && hero.army().SquadCount() > 1; ++slot) {
        const Ref<Squad> squad = hero.army().At(slot);
        if (squad && (IsOutOfControl(*squad, hero.EffectiveLeadership()) ||
                      squad->kind().id == "Peasants")) {
            return Simple(Action::Kind::kDismiss, slot);
        }
    }
    const Villain* villain = Contracted(game_);
    if (villain && !villain->seen() && hero.canUseSpells() &&
        hero.spells().Count("FindVillainSpell") > 0) {
        Action cast = Simple(Action::Kind::kCast);
        cast.spell = "FindVillainSpell";
        return cast;
    }
    return std::nullopt;
}

const std::vector<SceptreGuess>& Planner::Guesses(bool fresh) {
    const std::vector<PuzzleClue> clues = ReadPuzzle(game_);
    const std::pair<size_t, int> now{clues.size(), game_.time().week()};
    if (now == guessedAt_ && !fresh) return guesses_;
    guessedAt_ = now;
    std::vector<KnownWorld> worlds;
    for (int continent : KnownContinents(game_)) worlds.emplace_back(game_, continent);
    std::vector<const KnownWorld*> seen;
    for (const KnownWorld& world : worlds) seen.push_back(&world);
    guesses_ =
        clues.size() < kFewestClues ? std::vector<SceptreGuess>{} : GuessSceptre(clues, seen);
    return guesses_;
}

// Once the days allow a search of every cell the puzzle still allows, or in
// the last days, the hero goes to the likeliest: standing there shows all
// the ground the puzzle covers, and he searches it if nothing speaks against
// it.
std::optional<Action> Planner::SearchSceptre(const Scene& scene) {
    const int here = scene.world.continent();
    const Cell at = game_.hero().position();
    const auto isHere = [&](const SceptreGuess& g) { return g.continent == here && g.cell == at; };
    const bool standingOnOne = std::any_of(guesses_.begin(), guesses_.end(), isHere);
    std::vector<SceptreGuess> open;
    for (const SceptreGuess& guess : Guesses(standingOnOne)) {
        if (!memory_.Searched(guess.continent, guess.cell)) open.push_back(guess);
    }
    const int days = game_.time().daysLeft();
    const size_t affordable = std::max(1, days / kDaysPerSearch);
    if (open.empty() || (open.size() > affordable && days > kLastDays)) return std::nullopt;
    const SceptreGuess& likeliest = open.front();
    if (likeliest.continent != here) return SailTowards(scene, likeliest.continent);
    if (isHere(likeliest) && game_.hero().travelMode() == TravelMode::kLand) {
        memory_.searched.insert({here, {at.x, at.y}});
        return Simple(Action::Kind::kSearch);
    }
    const std::optional<Route> route = scene.routes.ToStand(
        [&](Cell cell, bool sailing) { return !sailing && cell == likeliest.cell; });
    if (route) return Go(*route, nullptr);
    // No known way there yet: into the fog nearest to it.
    const std::optional<Route> closer = scene.routes.ToStandNear(
        likeliest.cell, [&](Cell cell, bool) { return scene.world.IsFrontier(cell); });
    if (closer && !closer->cells.empty()) return Go(*closer, nullptr);
    return FetchBoat(scene);
}

std::optional<Action> Planner::SeeKing(const Scene& scene) {
    const Hero& hero = game_.hero();
    const bool promotion = hero.villainsNeeded() <= 0 && hero.level() < hero.maxLevel();
    const bool recruits = KingRecruitingCost(game_, memory_.savingForWeapons) >= kWorthyRecruiting;
    if (!promotion && !recruits) return std::nullopt;
    const auto king = [](const MapObj& object) { return As<KingsCastle>(&object) != nullptr; };
    return VisitNearest(scene, king, promotion ? 1 << 30 : kNearbyRecruits);
}

std::optional<Action> Planner::TakeContract(const Scene& scene) {
    if (Contracted(game_) || ContractCandidates(game_).empty()) return std::nullopt;
    return VisitNearest(scene, [](const MapObj& object) { return As<Town>(&object) != nullptr; });
}

std::optional<Action> Planner::Collect(const Scene& scene) {
    const auto lasting = [](const MapObj& object) {
        return As<ArtifactObject>(&object) || As<MapRevealer>(&object) || As<ContinentMap>(&object);
    };
    if (std::optional<Action> take = VisitNearest(scene, lasting)) return take;
    const auto small = [](const MapObj& object) {
        return As<Treasure>(&object) || As<Join>(&object);
    };
    if (std::optional<Action> take = VisitNearest(scene, small, kNearbyTreasure)) return take;
    const auto beatable = [&](const MapObj& object) {
        return As<Enemy>(&object) && !Dreaded(object);
    };
    return VisitNearest(scene, beatable, kNearbyArmy);
}

}  // namespace cv::autoplay
