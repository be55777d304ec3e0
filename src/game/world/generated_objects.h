#pragma once

#include "core/dispatcher.h"
#include "game/world/location.h"

namespace cv {

// Hands the cells of a continent's "Bonuses" node (none for null), in a
// shuffled order, to what its "BonusDef" asks for: the map to the next
// continent, the continent's artifacts, teleporter pairs, map revealers,
// dwellings and joining bands, in that order while cells last; every cell
// left gets a treasure. Draws from the game's random numbers even when there
// are no cells, so a seed always gives the same continents.
void PlaceGenerated(Location& location, Dispatcher* bonuses);

}  // namespace cv
