#pragma once

#include <array>
#include <string>

#include "game/world/running_game.h"

namespace cv {

// A way the bridge can go, as the "BridgeBuilding" form offers it.
struct BridgeDirection {
    const char* button;       // the form's button, answered when chosen
    Cell step;                // y grows upwards
    const char* orientation;  // the key of "Spells.Adventure.BridgeSpell" naming the terrain
};

// "Left", "Right", "Down", "Up", in the order of the form's buttons.
extern const std::array<BridgeDirection, 4> kBridgeDirections;

// Whether the form enables the direction's button: the cell next to the hero
// that way lies on the continent and its terrain takes a bridge.
bool BridgeDirectionOpen(const RunningGame& game, const BridgeDirection& direction);

// The bridge spell: the "BridgeBuilding" form, whose answer (a direction's
// button, or "Cancel") builds. Casting it uses nothing up.
void OpenBridgeBuilding(RunningGame& game);

// Lays up to two cells of bridge from the hero's side the way of `button`,
// stopping at the first cell that takes none; one "BridgeSpell" is used up
// when any was laid. Returns the cells laid.
int BuildBridge(RunningGame& game, const std::string& button);

}  // namespace cv
