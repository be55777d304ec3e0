#pragma once

#include <vector>

#include "game/world/running_game.h"

namespace cv {

// The continents the hero may sail to, in index order.
std::vector<int> KnownContinents(const RunningGame& game);

// The voyage of a sailing hero to a known continent: he and his boat
// arrive at its entry, and the week ends. False, with nothing changed, for a
// continent the game lacks or he does not know, or when he is not sailing.
bool SailToContinent(RunningGame& game, int continent);

}  // namespace cv
