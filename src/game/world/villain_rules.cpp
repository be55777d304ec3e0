#include "game/world/villain_rules.h"

#include <algorithm>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_random.h"
#include "game/model/game_text.h"
#include "game/world/castle.h"
#include "game/world/castle_rulers.h"
#include "game/world/running_game.h"

namespace cv {
namespace {

constexpr int kCandidates = 5;

// The castles of `location` a villain may move into, in its castle order.
void CollectHosts(const Location& location, const std::string& except,
                  std::vector<Castle*>& hosts) {
    for (const Ref<Castle>& castle : location.castles()) {
        if (castle->CanHostVillain() && castle->name() != except) hosts.push_back(castle.get());
    }
}

void Rule(Castle& castle, Villain& villain) {
    castle.SetRuler(MakeVillainRuler(castle, Ref<Villain>(&villain)));
}

// The first continent, in index order, with a castle of that name.
const Location* ContinentOfCastle(const World& world, const std::string& name) {
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        if (!location) continue;
        for (const Ref<Castle>& castle : location->castles()) {
            if (castle->name() == name) return location;
        }
    }
    return nullptr;
}

std::u16string Line(const char* label, const std::u16string& value) {
    return GetText(label) + u": " + value;
}

}  // namespace

void PlaceVillains(RunningGame& game) {
    const VillainTable& villains = game.villains();
    for (int i = 0; i < villains.Count(); ++i) {
        Villain& villain = villains.At(i);
        std::string continent;
        if (Value* value = FindValue(villain.definition(), "Continent"))
            value->GetString(continent);
        std::vector<Castle*> hosts;
        CollectHosts(game.world().Find(continent), {}, hosts);
        if (hosts.empty()) {
            FatalError("Not enought castles for Villains in %s", continent.c_str());
        }
        Castle& castle = *hosts[RandN(static_cast<int>(hosts.size()))];
        Rule(castle, villain);
        castle.SetGarrison(villain.army());
    }
}

void Escape(RunningGame& game, Villain& villain, const std::string& castleLeft) {
    villain.SetSeen(false);
    villain.SetCastle({});
    std::vector<Castle*> hosts;
    for (int i = 0; i < game.world().Count(); ++i) {
        if (const Location* location = game.world().Get(i)) {
            CollectHosts(*location, castleLeft, hosts);
        }
    }
    if (hosts.empty()) return;
    Castle& castle = *hosts[RandN(static_cast<int>(hosts.size()))];
    Rule(castle, villain);
    castle.SetFlag(Castle::kRulerKnown, false);
    if (!castle.garrison() || !castle.garrison()->HasUnits()) {
        auto peasants = MakeRef<Army>();
        peasants->Parse("Peasants:20");
        castle.SetGarrison(std::move(peasants));
    }
    villain.SetArmy(castle.garrison());
}

void Catch(RunningGame& game, Villain& villain) {
    villain.SetCastle({});
    villain.SetArmy(nullptr);
    game.hero().CatchVillain(villain.number());
    game.hero().AddGold(villain.reward());
}

std::u16string InfoPage1(const RunningGame& game, const Villain& villain) {
    const Location* lastSeen = ContinentOfCastle(game.world(), villain.castle());
    const bool known = !villain.castle().empty() && villain.seen();
    return villain.Name() + u"\n" + Line("Alias", GetText(villain.TextKey(".Alias"))) + u"\n" +
           Line("Reward", GroupedNumber(villain.reward())) + u"\n" +
           Line("Last Seen", lastSeen ? GetText(lastSeen->id()) : std::u16string()) + u"\n" +
           Line("Castle", known ? GetText(villain.castle()) : GetText("Unknown"));
}

std::u16string InfoPage2(const Villain& villain) {
    return GetText("Distinguishing Features") + u":\n" + GetText(villain.TextKey(".Features")) +
           u"\n" + Line("Crimes", GetText(villain.TextKey(".Crimes")));
}

std::vector<Ref<Villain>> ContractCandidates(const RunningGame& game) {
    std::vector<Ref<Villain>> candidates;
    const VillainTable& villains = game.villains();
    for (int i = 0; i < villains.Count(); ++i) {
        if (!villains.At(i).IsCaught()) candidates.emplace_back(&villains.At(i));
    }
    std::stable_sort(
        candidates.begin(), candidates.end(),
        [](const Ref<Villain>& a, const Ref<Villain>& b) { return a->reward() < b->reward(); });
    if (candidates.size() > kCandidates) candidates.resize(kCandidates);
    return candidates;
}

}  // namespace cv
