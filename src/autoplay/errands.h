#pragma once

#include <set>

#include "autoplay/player_memory.h"
#include "game/world/dwelling.h"
#include "game/world/running_game.h"
#include "game/world/spell_teacher.h"

namespace cv::autoplay {

// What the hero does in a town, in this order, each once: hear the news of
// its castle, take a contract when he has none, buy siege weapons once he
// hunts and can pay, buy the spell that finds his villain while he cannot
// see him, and when he asked for a boat give back one he cannot reach and
// rent one here.
enum class TownErrand { kNews, kContract, kSiegeWeapons, kSpell, kReturnBoat, kRentBoat, kLeave };

// The next errand after those `done`; kLeave when none is left.
TownErrand NextTownErrand(const RunningGame& game, const PlayerMemory& memory, const Town& town,
                          const std::set<TownErrand>& done);

// After renting was tried: a town with the gold paid but no boat placed has
// no water for one.
void NoteRenting(const RunningGame& game, PlayerMemory& memory, const Town& town, bool affordable);

// The units taken at the dwelling (remembered as empty once all are taken).
int RecruitsChosen(const RunningGame& game, PlayerMemory& memory, const Dwelling& dwelling);

// The art of spells pays once the hunt is well in hand.
bool BuysSpellCasting(const RunningGame& game, const SpellTeacher& teacher);

// The villain the hero takes a contract on among those a town offers: the
// first whose last known continent he can sail to, else the first; -1 for
// none.
int ChooseContract(const RunningGame& game);

}  // namespace cv::autoplay
