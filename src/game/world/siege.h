#pragma once

#include "game/world/castle.h"

namespace cv {

// "Castle <NAME>" and "<NAME> occupy this castle. Lay Siege?" with the
// ruler's army title and picture. "Yes" lays the siege when the hero has
// siege weapons and otherwise tells him "You need siege weapons".
void AskSiege(RunningGame& game, Castle& castle);

// The siege battle against the castle's garrison, its victory line as the
// ruler words it; a win captures the castle, a loss disgraces the hero.
void LaySiege(RunningGame& game, Castle& castle);

// After a won siege: the ruler's defeat, then the hero rules the castle and
// counts one castle more among those he garrisons.
void CaptureCastle(RunningGame& game, Castle& castle);

}  // namespace cv
