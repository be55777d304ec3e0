#pragma once

#include <functional>
#include <string>

#include "game/model/army.h"

namespace cv {

enum class Morale { kLow = 0, kNorm = 1, kHigh = 2, kOutOfControl = 3 };

// "Low", "Norm", "High", "Out of control".
const char* MoraleName(Morale morale);

// The squad needs more leadership than the hero's (base plus bonus).
bool IsOutOfControl(const Squad& squad, int heroLeadership);

// Morale of the squad in `slot`, rated against the hero's leadership whichever
// side the army is on. An empty slot is Norm.
Morale MoraleOf(const Army& army, int slot, int heroLeadership);

// "A few", "Some", "Many", "A Lot", "A horde", "A multitude".
const char* ArmySizeWord(int count);
// "<HOW> <UNIT>": the size word and the unit's name.
std::u16string HowManyText(int count, const SquadDef& unit);

// Shows "OutOfControl_Warning" when some squad is out of control and returns
// true; `then` runs after it is closed (at once when nothing is shown).
bool WarnOutOfControl(const Army& army, int heroLeadership, std::function<void()> then = {});

// Asks "Are you sure to dismiss <UNIT> ?" and removes the slot on "Yes".
// An army's last squad is never dismissed; returns false then.
bool AskDismiss(const Ref<Army>& army, int slot, std::function<void()> rebuild);

// A week of "Peasants": every "Ghost" squad turns into "Peasants".
void TurnGhostsIntoPeasants(Army& army);

}  // namespace cv
