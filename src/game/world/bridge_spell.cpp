#include "game/world/bridge_spell.h"

#include "core/dispatcher_access.h"
#include "game/model/game_ui.h"

namespace cv {
namespace {

constexpr int kBridgeLength = 2;

bool TakesBridge(const Location& location, Cell cell) {
    return IsOnContinent(cell) && location.KindAt(cell).Has(kTerrainBridge);
}

Cell Next(Cell from, const BridgeDirection& direction) {
    return {from.x + direction.step.x, from.y + direction.step.y};
}

}  // namespace

const std::array<BridgeDirection, 4> kBridgeDirections = {{
    {"Left", {-1, 0}, "Horizontal"},
    {"Right", {1, 0}, "Horizontal"},
    {"Down", {0, -1}, "Vertical"},
    {"Up", {0, 1}, "Vertical"},
}};

bool BridgeDirectionOpen(const RunningGame& game, const BridgeDirection& direction) {
    return TakesBridge(game.here(), Next(game.hero().position(), direction));
}

void OpenBridgeBuilding(RunningGame& game) {
    Ui().OpenScreen("BridgeBuilding", [keep = Ref<RunningGame>(&game)](const std::string& answer) {
        BuildBridge(*keep, answer);
    });
}

int BuildBridge(RunningGame& game, const std::string& button) {
    for (const BridgeDirection& direction : kBridgeDirections) {
        if (button != direction.button) continue;
        int32_t piece = 0;
        GetInt("Spell BridgeSpell", FindNode(Root(), "Spells.Adventure.BridgeSpell"),
               direction.orientation, piece);
        Location& here = game.here();
        int built = 0;
        for (Cell cell = Next(game.hero().position(), direction);
             built < kBridgeLength && TakesBridge(here, cell); cell = Next(cell, direction)) {
            here.SetTerrain(cell, piece);
            ++built;
        }
        if (built > 0) {
            game.hero().spells().Remove("BridgeSpell", 1);
            Ui().PlaySound(SoundEvent::SpellCast);
        }
        return built;
    }
    return 0;
}

}  // namespace cv
