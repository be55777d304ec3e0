#pragma once

#include <string>

#include "game/model/hero.h"
#include "game/world/castle.h"

namespace cv {

// One of the five buttons of a page of the hero's castle.
struct GarrisonButton {
    std::u16string label;  // "N/A" for an empty slot
    int cost = 0;          // gold the move takes; 0 on the remove page
    bool enabled = false;
};

// The hero's squad in `slot` as "<UNIT>: <N> gold", N its weekly pay. It may
// stay behind when he can pay that, the garrison takes its unit and he keeps
// another squad.
GarrisonButton GarrisonOffer(const Hero& hero, const Castle& castle, int slot);
// Moves the squad into the garrison (merged with one of its unit), paid from
// the hero's gold; true when it moved. The castle gets a garrison if it had none.
bool Garrison(Hero& hero, Castle& castle, int slot);

// The garrison's squad in `slot` as "<UNIT>: <N>", N its count; it may go
// when the hero's army takes its unit.
GarrisonButton RemoveOffer(const Hero& hero, const Castle& castle, int slot);
// Moves the squad back into the hero's army (merged with one of its unit);
// true when it moved. Warns when that squad is then out of his control.
bool Remove(Hero& hero, Castle& castle, int slot);

}  // namespace cv
