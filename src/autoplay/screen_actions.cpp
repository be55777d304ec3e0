#include "autoplay/screen_actions.h"

#include <set>
#include <stdexcept>
#include <utility>

#include "autoplay/errands.h"
#include "autoplay/recruiting.h"
#include "game/model/game_ui.h"
#include "game/world/continent_travel.h"
#include "game/world/dwelling.h"
#include "game/world/spell_teacher.h"
#include "game/world/town_services.h"

namespace cv::autoplay {
namespace {

struct ScreenVisit {
    RunningGame& game;
    PlayerMemory& memory;
    const Ref<RefCounted>& subject;
    Ending& ending;
};

template <class Subject>
Subject& SubjectOf(const ScreenVisit& visit) {
    auto* subject = dynamic_cast<Subject*>(visit.subject.get());
    if (!subject) throw std::logic_error("a screen opened without its subject");
    return *subject;
}

void Run(ScreenVisit& visit, const Town& town, TownErrand errand) {
    RunningGame& game = visit.game;
    switch (errand) {
        case TownErrand::kNews:
            return GatherInformation(game, town);
        case TownErrand::kContract:
            return Ui().OpenScreen("SelectContract", {});
        case TownErrand::kSiegeWeapons:
            BuySiegeWeapons(game);
            return;
        case TownErrand::kSpell:
            BuyTownSpell(game, town);
            return;
        case TownErrand::kReturnBoat:
            ReturnBoat(game);
            return;
        case TownErrand::kRentBoat: {
            const bool affordable = game.hero().gold() >= game.hero().boatRent();
            RentBoat(game, town);
            return NoteRenting(game, visit.memory, town, affordable);
        }
        case TownErrand::kLeave:
            return;
    }
}

std::string UseTown(ScreenVisit& visit) {
    const Town& town = SubjectOf<Town>(visit);
    std::set<TownErrand> done;
    for (TownErrand errand;
         (errand = NextTownErrand(visit.game, visit.memory, town, done)) != TownErrand::kLeave;) {
        Run(visit, town, errand);
        done.insert(errand);
    }
    return "Header";
}

std::string UseDwelling(ScreenVisit& visit) {
    return std::to_string(RecruitsChosen(visit.game, visit.memory, SubjectOf<Dwelling>(visit)));
}

std::string UseKingsCastle(ScreenVisit& visit) {
    KingAudience(visit.game.hero());
    KingRecruit(visit.game.hero(), KingRecruits(visit.game, visit.memory.savingForWeapons));
    return "Exit";
}

std::string UseTeacher(ScreenVisit& visit) {
    return BuysSpellCasting(visit.game, SubjectOf<SpellTeacher>(visit)) ? "OK" : "Cancel";
}

std::string UseContractChoice(ScreenVisit& visit) {
    const int villain = ChooseContract(visit.game);
    visit.game.hero().SetCurrentContract(villain);
    return villain < 0 ? "Cancel" : "OK";
}

std::string UseContinentChoice(ScreenVisit& visit) {
    const int continent = std::exchange(visit.memory.sailTo, -1);
    if (continent < 0 || !SailToContinent(visit.game, continent)) return "Cancel";
    return "Item" + std::to_string(continent);
}

std::string UseSpellList(ScreenVisit& visit) {
    const std::string spell = std::exchange(visit.memory.spellToCast, {});
    return spell.empty() ? "Cancel" : spell;
}

std::string Won(ScreenVisit& visit) {
    visit.ending = Ending::kWon;
    return "Exit";
}

std::string Lost(ScreenVisit& visit) {
    visit.ending = Ending::kLost;
    return "Exit";
}

struct ScreenUse {
    const char* name;
    std::string (*use)(ScreenVisit&);
};

// Screens that only show something are closed as they open.
const ScreenUse kScreens[] = {
    {"Town", UseTown},
    {"Warriors", UseDwelling},
    {"CastleOfKing", UseKingsCastle},
    {"TeachSpell", UseTeacher},
    {"SelectContract", UseContractChoice},
    {"SelectContinent", UseContinentChoice},
    {"AdventureSpells", UseSpellList},
    {"Winner", Won},
    {"Fail", Lost},
    {"WeekReport", [](ScreenVisit&) -> std::string { return "OK"; }},
    {"CastleMain", [](ScreenVisit&) -> std::string { return "Exit"; }},
    {"Sign", [](ScreenVisit&) -> std::string { return "Cancel"; }},
    {"ContractInfo", [](ScreenVisit&) -> std::string { return "Cancel"; }},
    {"BridgeBuilding", [](ScreenVisit&) -> std::string { return "Cancel"; }},
    {"TownGate", [](ScreenVisit&) -> std::string { return "Cancel"; }},
    {"CastleGate", [](ScreenVisit&) -> std::string { return "Cancel"; }},
};

}  // namespace

std::string UseScreen(RunningGame& game, PlayerMemory& memory, const std::string& name,
                      const Ref<RefCounted>& subject, Ending& ending) {
    ScreenVisit visit{game, memory, subject, ending};
    for (const ScreenUse& screen : kScreens) {
        if (name == screen.name) return screen.use(visit);
    }
    throw std::logic_error("no player uses the screen " + name);
}

}  // namespace cv::autoplay
