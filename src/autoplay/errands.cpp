#include "autoplay/errands.h"

#include "autoplay/recruiting.h"
#include "autoplay/villain_hunt.h"
#include "game/world/villain_rules.h"

namespace cv::autoplay {
namespace {

// Gold beyond the teacher's price before the art is worth it.
constexpr int kRichEnough = 5000;

bool WantsFindingSpell(const RunningGame& game, const Town& town) {
    const Villain* villain = Contracted(game);
    return villain && !villain->seen() && town.spell() == "FindVillainSpell" &&
           game.hero().spells().Count(town.spell()) == 0 &&
           game.hero().SpellBuyable(town.spell()) > 0;
}

bool Wanted(TownErrand errand, const RunningGame& game, const PlayerMemory& memory,
            const Town& town) {
    const Hero& hero = game.hero();
    switch (errand) {
        case TownErrand::kNews:
            return true;
        case TownErrand::kContract:
            return !Contracted(game) && ChooseContract(game) >= 0;
        case TownErrand::kSiegeWeapons:
            return Contracted(game) && !hero.hasSiegeWeapons() && AffordsSiegeWeapons(game);
        case TownErrand::kSpell:
            return WantsFindingSpell(game, town);
        case TownErrand::kReturnBoat:
            return memory.wantBoat && game.rentedBoat() && hero.travelMode() != TravelMode::kSail;
        case TownErrand::kRentBoat:
            return memory.wantBoat && !game.rentedBoat();
        case TownErrand::kLeave:
            return true;
    }
    return false;
}

}  // namespace

TownErrand NextTownErrand(const RunningGame& game, const PlayerMemory& memory, const Town& town,
                          const std::set<TownErrand>& done) {
    for (TownErrand errand : {TownErrand::kNews, TownErrand::kContract, TownErrand::kSiegeWeapons,
                              TownErrand::kSpell, TownErrand::kReturnBoat, TownErrand::kRentBoat}) {
        if (!done.count(errand) && Wanted(errand, game, memory, town)) return errand;
    }
    return TownErrand::kLeave;
}

void NoteRenting(const RunningGame& game, PlayerMemory& memory, const Town& town, bool affordable) {
    if (game.rentedBoat()) {
        memory.wantBoat = false;
    } else if (affordable) {
        memory.noBoatTowns.insert(&town);
    }
}

int RecruitsChosen(const RunningGame& game, PlayerMemory& memory, const Dwelling& dwelling) {
    const int count = RecruitsAt(game, dwelling, memory.savingForWeapons);
    if (count >= dwelling.available()) memory.emptyDwellings.insert(&dwelling);
    return count;
}

bool BuysSpellCasting(const RunningGame& game, const SpellTeacher& teacher) {
    return !game.hero().canUseSpells() && SpareGold(game, false) >= teacher.price() + kRichEnough;
}

int ChooseContract(const RunningGame& game) {
    const std::vector<Ref<Villain>> candidates = ContractCandidates(game);
    for (const Ref<Villain>& villain : candidates) {
        if (game.hero().KnowsContinent(LastSeenContinent(game, *villain))) {
            return villain->number();
        }
    }
    return candidates.empty() ? -1 : candidates.front()->number();
}

}  // namespace cv::autoplay
