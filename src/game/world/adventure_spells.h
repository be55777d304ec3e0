#pragma once

#include <string>

#include "game/world/running_game.h"

namespace cv {

// The adventure map's spell list: a hero without magic is shown "You cant
// cast spells"; otherwise the "AdventureSpells" screen opens (its lines are
// AdventureSpellItems, its "CHeader" section ShowCombatSpellCounts) and its
// answer, the id of a touched line, is cast.
void OpenAdventureSpells(RunningGame& game);

// Casts one owned adventure spell; true when it was used up. A spell the hero
// does not own, or a combat spell, does nothing.
bool CastAdventureSpell(RunningGame& game, const std::string& spellId);

// "You cant cast spells" pointing at "Velmire" of the first continent (the
// text's "11" and "19" become its x and y), with the gnome's picture.
void ShowCannotCastSpells(const World& world);

// The units Instant Army brings: max spells + 1 at level 0, (spell power +
// max spells) / 2 + 1 at level 1, spell power + 1 above.
int InstantArmySize(const Hero& hero);

}  // namespace cv
