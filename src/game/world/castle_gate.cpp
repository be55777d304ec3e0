#include "game/world/castle_gate.h"

#include <algorithm>
#include <optional>

#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/castle.h"
#include "game/world/hero_step.h"

namespace cv {
namespace {

constexpr const char* kCastleGateSpell = "CastleGateSpell";

// The nearest cell to `wanted` where the hero can stand, ring by ring, or
// none on a continent without one.
std::optional<Cell> NearestStandable(const Location& location, Cell wanted) {
    for (int ring = 0; ring < kContinentSize; ++ring) {
        for (int dy = -ring; dy <= ring; ++dy) {
            for (int dx = -ring; dx <= ring; ++dx) {
                const Cell cell{wanted.x + dx, wanted.y + dy};
                if (Distance(cell, wanted) != ring || !IsOnContinent(cell)) continue;
                if (CanLand(location, cell)) return cell;
            }
        }
    }
    return std::nullopt;
}

// The gate is (X, Y - 1); water or a rock there must not strand the hero.
std::optional<Cell> BeforeGate(const Location& location, const Castle& castle) {
    const Cell cell = castle.cell();
    return NearestStandable(location, {std::clamp(cell.x, 0, kContinentSize - 1),
                                       std::clamp(cell.y - 1, 0, kContinentSize - 1)});
}

}  // namespace

std::vector<GateLine> GateList(
    const RunningGame& game,
    const std::function<void(const Location&, std::vector<GateLine>&)>& placesOn) {
    std::vector<GateLine> lines;
    const World& world = game.world();
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        if (!location) continue;
        lines.push_back({GetText(location->id()), {}});
        placesOn(*location, lines);
    }
    return lines;
}

std::vector<GateLine> CastleGateList(const RunningGame& game) {
    return GateList(game, [](const Location& location, std::vector<GateLine>& lines) {
        for (const Ref<Castle>& castle : location.castles()) {
            if (!castle->IsVisited()) continue;
            lines.push_back(
                {castle->DisplayName() + u" (" + castle->RulerLabel() + u")", castle->name()});
        }
    });
}

bool CastleGate(RunningGame& game, const std::string& castleName) {
    Hero& hero = game.hero();
    if (hero.spells().Count(kCastleGateSpell) <= 0) return false;
    const World& world = game.world();
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        const Castle* castle = location ? location->FindCastle(castleName) : nullptr;
        if (!castle) continue;
        const std::optional<Cell> gate = BeforeGate(*location, *castle);
        if (!gate) return false;
        if (hero.travelMode() == TravelMode::kSail) hero.SetTravelMode(TravelMode::kLand);
        game.PlaceHero(i, *gate);
        hero.spells().Remove(kCastleGateSpell, 1);
        Ui().PlaySound(SoundEvent::SpellCast);
        return true;
    }
    return false;
}

}  // namespace cv
