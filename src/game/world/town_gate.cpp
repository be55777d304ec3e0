#include "game/world/town_gate.h"

#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/adventure_spells.h"

namespace cv {
namespace {

constexpr const char* kTownGateSpell = "TownGateSpell";

}  // namespace

std::vector<GateLine> TownGateList(const RunningGame& game) {
    return GateList(game, [](const Location& location, std::vector<GateLine>& lines) {
        for (const Ref<Town>& town : location.towns()) {
            if (!town->visited()) continue;
            lines.push_back(
                {town->DisplayName() + u" (" + GetText(town->spell()) + u")", town->name()});
        }
    });
}

// A town with no free cell beside it keeps the hero and his spell.
bool TownGate(RunningGame& game, const std::string& townName) {
    Hero& hero = game.hero();
    if (!hero.canUseSpells()) {
        ShowCannotCastSpells(game.world());
        return false;
    }
    if (hero.spells().Count(kTownGateSpell) <= 0) return false;
    const World& world = game.world();
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        const Town* town = location ? location->FindTown(townName) : nullptr;
        if (!town) continue;
        const Cell target = location->RandomUsableNeighbour(town->cell());
        if (target == town->cell()) return false;
        if (hero.travelMode() == TravelMode::kSail) hero.SetTravelMode(TravelMode::kLand);
        game.PlaceHero(i, target);
        hero.spells().Remove(kTownGateSpell, 1);
        Ui().PlaySound(SoundEvent::SpellCast);
        return true;
    }
    return false;
}

}  // namespace cv
