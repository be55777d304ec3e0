#pragma once

#include <optional>

#include "game/world/running_game.h"
#include "game/world/town.h"

namespace cv {

// The rules' "SiegeWeaponsCost", 3000 without it.
int SiegeWeaponsCost();

// Where a boat rented at the town waits: of the town's eight neighbours that
// hold water (rows from below, each from the left), the nearest to the hero
// with walkable ground among its own 3 x 3 cells, else simply the nearest;
// none without water beside the town.
std::optional<Cell> BoatPlace(const Location& location, Cell town, Cell hero);

// Pays the week's rent and puts the hero's boat beside the town. Without
// the gold, "You don't have enough gold"; without water beside the town a
// message says so and no gold is taken. False when nothing was rented.
bool RentBoat(RunningGame& game, const Town& town);
// The hero's boat leaves its continent; not while he sails in it.
bool ReturnBoat(RunningGame& game);

// One copy of the town's spell, when the hero may buy one.
bool BuyTownSpell(RunningGame& game, const Town& town);
// Siege weapons for SiegeWeaponsCost(), when he has none and the gold.
bool BuySiegeWeapons(RunningGame& game);
// The news of the town's castle on this continent, with its ruler's picture;
// nothing when the continent has no such castle.
void GatherInformation(RunningGame& game, const Town& town);

}  // namespace cv
