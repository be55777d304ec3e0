#include "game/world/hero_step.h"

#include "game/model/game_ui.h"

namespace cv {
namespace {

// Whether terrain lets the hero onto `kind`; going ashore leaves the boat.
bool TerrainAllows(Hero& hero, const TerrainKind& kind) {
    switch (hero.travelMode()) {
        case TravelMode::kLand:
            return kind.Has(kTerrainWalk);
        case TravelMode::kSail:
            if (kind.Has(kTerrainSwim)) return true;
            if (!kind.Has(kTerrainWalk)) return false;
            hero.SetTravelMode(TravelMode::kLand);
            return true;
        case TravelMode::kFly:
            return true;
    }
    return false;
}

SoundEvent StepSound(TravelMode mode) {
    switch (mode) {
        case TravelMode::kSail:
            return SoundEvent::HeroSail;
        case TravelMode::kFly:
            return SoundEvent::HeroFly;
        case TravelMode::kLand:
            break;
    }
    return SoundEvent::HeroStep;
}

}  // namespace

void StepHero(RunningGame& game, int dx, int dy) {
    Hero& hero = game.hero();
    const Cell target{hero.position().x + dx, hero.position().y + dy};
    if (!IsOnContinent(target)) return;
    Location& location = game.here();
    hero.FaceStep(dx);
    if (hero.travelMode() != TravelMode::kFly) {
        Ref<MapObj> object = location.ObjectAt(target);
        if (object && object->Visit(game)) return;
    }
    if (!TerrainAllows(hero, location.KindAt(target))) return;
    game.PlaceHero(hero.continent(), target);
    Ui().PlaySound(StepSound(hero.travelMode()));
    const bool sailing = hero.travelMode() == TravelMode::kSail;
    if (sailing && game.rentedBoat()) game.rentedBoat()->SetCell(target);
    location.OnStep(game);
    const bool slow =
        hero.travelMode() == TravelMode::kLand && location.KindAt(target).Has(kTerrainSlow);
    game.time().Step(slow);
}

bool CanLand(const Location& location, Cell cell) {
    return location.KindAt(cell).Has(kTerrainWalk) && !location.ObjectAt(cell);
}

bool TakeOff(RunningGame& game) {
    if (!game.hero().CanFly()) return false;
    game.hero().SetTravelMode(TravelMode::kFly);
    return true;
}

bool Land(RunningGame& game) {
    Hero& hero = game.hero();
    if (hero.travelMode() != TravelMode::kFly || !CanLand(game.here(), hero.position())) {
        return false;
    }
    hero.SetTravelMode(TravelMode::kLand);
    return true;
}

}  // namespace cv
