#pragma once

#include <string>
#include <vector>

#include "game/world/castle_gate.h"
#include "game/world/running_game.h"

namespace cv {

// For every continent in index order its name, then each town the hero has
// visited as "<town> (<its spell>)".
std::vector<GateLine> TownGateList(const RunningGame& game);

// Sends a hero who owns "TownGateSpell" beside the town (a random usable
// neighbour), on foot if he was sailing; one spell is used up. A hero who
// cannot cast is told so. False, with nothing changed, when he cannot cast,
// owns none, no continent has the town or no cell beside it is free.
bool TownGate(RunningGame& game, const std::string& townName);

}  // namespace cv
