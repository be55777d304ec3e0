#include "game/world/castle_gate.h"

#include <algorithm>

#include "core/language.h"
#include "game/world/castle.h"

namespace cv {
namespace {

constexpr const char* kCastleGateSpell = "CastleGateSpell";

Cell BeforeGate(const Castle& castle) {
    const Cell cell = castle.cell();
    return {std::clamp(cell.x, 0, kContinentSize - 1),
            std::clamp(cell.y - 1, 0, kContinentSize - 1)};
}

}  // namespace

std::vector<GateLine> CastleGateList(const RunningGame& game) {
    std::vector<GateLine> lines;
    const World& world = game.world();
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        if (!location) continue;
        lines.push_back({GetText(location->id()), {}});
        for (const Ref<Castle>& castle : location->castles()) {
            if (!castle->IsVisited()) continue;
            lines.push_back(
                {castle->DisplayName() + u" (" + castle->RulerLabel() + u")", castle->name()});
        }
    }
    return lines;
}

bool CastleGate(RunningGame& game, const std::string& castleName) {
    Hero& hero = game.hero();
    if (hero.spells().Count(kCastleGateSpell) <= 0) return false;
    const World& world = game.world();
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        const Castle* castle = location ? location->FindCastle(castleName) : nullptr;
        if (!castle) continue;
        if (hero.travelMode() == TravelMode::kSail) hero.SetTravelMode(TravelMode::kLand);
        game.PlaceHero(i, BeforeGate(*castle));
        hero.spells().Remove(kCastleGateSpell, 1);
        return true;
    }
    return false;
}

}  // namespace cv
