#include "game/world/continent_travel.h"

namespace cv {

std::vector<int> KnownContinents(const RunningGame& game) {
    std::vector<int> known;
    for (int i = 0; i < game.world().Count(); ++i) {
        if (game.world().Get(i) && game.hero().KnowsContinent(i)) known.push_back(i);
    }
    return known;
}

bool SailToContinent(RunningGame& game, int continent) {
    Hero& hero = game.hero();
    Location* target = game.world().Get(continent);
    if (!target || !hero.KnowsContinent(continent) || hero.travelMode() != TravelMode::kSail) {
        return false;
    }
    if (const Ref<MapObj> boat = game.rentedBoat()) {
        if (Location* home = game.world().Get(boat->continent())) home->RemoveObject(boat.get());
        boat->SetCell(target->entry());
        target->AddObject(boat);
    }
    game.PlaceHero(continent, target->entry());
    game.time().EndWeekNow();
    return true;
}

}  // namespace cv
