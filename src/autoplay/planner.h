#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "autoplay/player_memory.h"
#include "autoplay/route_map.h"
#include "autoplay/sceptre_search.h"

namespace cv::autoplay {

class ObjectMoves;

// What a step into an object is for: a look (the questions it asks are
// weighed then), a siege of the castle, or a fight with the army whatever
// the odds.
enum class Purpose { kLook, kLaySiege, kAttack };

// One thing the player does on the adventure map, as its button or key
// would do it.
struct Action {
    enum class Kind { kStep, kEndWeek, kSearch, kSail, kCast, kDismiss };
    Kind kind = Kind::kEndWeek;
    Step step;                         // kStep
    int value = 0;                     // kSail: the continent; kDismiss: the slot
    std::string spell;                 // kCast
    const MapObj* visiting = nullptr;  // the object the step walks into
    Purpose purpose = Purpose::kLook;  // and what for
};

// Decides what the hero does next from what the player knows: tidy the
// army, search where the puzzle points, see the King, take a contract,
// pick up what lies near, hunt the villain under contract (find his castle,
// get siege weapons and men, lay the siege), explore, sail elsewhere, and
// when nothing is left, let the week pass. A way once chosen is walked
// until something shows up on the screens or the hero ends elsewhere.
class Planner {
public:
    Planner(RunningGame& game, PlayerMemory& memory) : game_(game), memory_(memory) {}
    // The planner of `before` on the loaded copy of its game, keeping to the
    // way it was on and what it has learned.
    Planner(RunningGame& game, PlayerMemory& memory, const Planner& before,
            const ObjectMoves& moved);

    // `disturbed`: the screens showed something since the last action.
    Action Next(bool disturbed);

    // How much more power the hero's army needs to fight.
    static constexpr double kFightMargin = 1.3;

    // Whether the hero's power beats the army by the margin a fight needs.
    bool Outmatches(const SeenArmy& enemy) const;
    // An army the hero keeps away from.
    bool Dreaded(const MapObj& army) const;

private:
    struct Plan {
        Route route;
        size_t next = 0;
        const MapObj* target = nullptr;
        Purpose purpose = Purpose::kLook;
        Cell from;  // where the hero stood when the next step was taken
    };
    // The continent's known cells, how to cross them, and the goals on it.
    struct Scene {
        const KnownWorld& world;
        const RouteMap& routes;
    };

    Action Decide();
    std::optional<Action> Continue();
    // The first step of the way; none for a way of no steps.
    std::optional<Action> Go(Route route, const MapObj* target, Purpose purpose = Purpose::kLook);
    Mover MoverNow() const;
    CellCost DangerCost(const KnownWorld& world) const;
    std::optional<Route> RouteToObject(const Scene& scene, const MapObj* object) const;
    // The cheapest way to an object the player sees and `keep` takes, at
    // most `most` steps long; an object visited this very moment is left
    // alone (a visit takes no time: asked for again, it would change nothing).
    template <class Keep>
    std::optional<Route> NearestVisit(const Scene& scene, Keep keep, int most = 1 << 30) const;
    // The first step of the way there.
    template <class Keep>
    std::optional<Action> VisitNearest(const Scene& scene, Keep keep, int most = 1 << 30);
    // The moment in steps of time, which visits do not advance.
    long Moment() const;

    // The goals, most urgent first; each gives an action when it applies.
    std::optional<Action> Tidy();
    std::optional<Action> SearchSceptre(const Scene& scene);
    std::optional<Action> SeeKing(const Scene& scene);
    std::optional<Action> TakeContract(const Scene& scene);
    std::optional<Action> Collect(const Scene& scene);
    std::optional<Action> Hunt(const Scene& scene);
    std::optional<Action> HuntOnLairContinent(const Scene& scene, const Villain& villain);
    std::optional<Action> Besiege(const Scene& scene, Castle& lair);
    std::optional<Action> Strengthen(const Scene& scene, int most = 1 << 30);
    std::optional<Action> ReinforceElsewhere(const Scene& scene);
    std::optional<Action> Gamble(const Scene& scene);
    std::optional<Action> BreakOut(const Scene& scene);
    bool StrongFor(const Castle& lair) const;
    // Strong enough for the contract's villain judged by his bounty.
    bool StrongForBounty() const;
    // The army would do for the hunt: gold goes to siege weapons first.
    bool SavesForWeapons() const;
    std::optional<Action> RecruitNearby(const Scene& scene);
    std::optional<Action> StrengthenAnywhere(const Scene& scene);
    std::optional<Action> Explore(const Scene& scene);
    std::optional<Action> FetchBoat(const Scene& scene);
    bool HasBoatAtHand(const Scene& scene) const;
    std::optional<Action> SailTowards(const Scene& scene, int continent);
    std::optional<Action> Voyage(const Scene& scene);

    bool WorthRecruiting(const MapObj& object) const;
    void ForgetRefilledDwellings();
    // The puzzle read against the known ground: again when `fresh`, else at
    // most once a week or a clue.
    const std::vector<SceptreGuess>& Guesses(bool fresh);

    RunningGame& game_;
    PlayerMemory& memory_;
    std::optional<Plan> plan_;
    std::set<std::pair<int, int>> refused_;    // cells a step failed to reach
    std::set<int> exhausted_;                  // continents with nothing more to explore
    std::map<const MapObj*, long> visitedAt_;  // by the moment of the visit
    std::vector<SceptreGuess> guesses_;
    std::pair<size_t, int> guessedAt_{~size_t{0}, -1};  // clues and week then
    int week_ = 0;
};

}  // namespace cv::autoplay
