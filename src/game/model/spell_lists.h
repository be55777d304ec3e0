#pragma once

#include <string>
#include <vector>

#include "game/model/spell_container.h"
#include "game/model/spell_system.h"

namespace cv {

// One line of a spell list form.
struct SpellListItem {
    std::string widget;   // "CItem%d" in the combat list, "Item%d" in the adventure list
    std::string spellId;  // what touching the line answers
    std::u16string text;  // "%s: %d": the spell's name and how many the hero owns
};

// The combat kinds in index order. The form names its lines with one digit,
// so kinds beyond the tenth line are not listed.
std::vector<SpellListItem> CombatSpellItems(const SpellContainer& owned);
// The adventure kinds in index order.
std::vector<SpellListItem> AdventureSpellItems(const SpellContainer& owned);

// The adventure list's "Combat Spells" section, touched: the combat kinds'
// lines, one under the other, in a message box with "OK".
void ShowCombatSpellCounts(const SpellContainer& owned);

}  // namespace cv
