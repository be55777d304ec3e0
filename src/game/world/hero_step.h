#pragma once

#include "game/world/running_game.h"

namespace cv {

// One step of the hero by (dx, dy), -1..1 each: a target outside the
// continent is ignored; an object on the target is visited unless the hero
// flies; terrain decides walking, sailing and going ashore; the objects react
// and one step of time passes.
void StepHero(RunningGame& game, int dx, int dy);

// The hero may stand here: walkable ground with no object on it.
bool CanLand(const Location& location, Cell cell);
// Takes off when the army can carry him; false otherwise.
bool TakeOff(RunningGame& game);
// Lands where he may stand; false otherwise.
bool Land(RunningGame& game);

}  // namespace cv
