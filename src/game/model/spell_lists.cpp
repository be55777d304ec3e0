#include "game/model/spell_lists.h"

#include <algorithm>

#include "core/language.h"
#include "game/model/game_ui.h"
#include "platform/utf.h"

namespace cv {
namespace {

// Combat lines are "CItem0" to "CItem9".
constexpr int kCombatLines = 10;

std::vector<SpellListItem> Items(SpellList list, const std::string& prefix, int maxLines,
                                 const SpellContainer& owned) {
    std::vector<SpellListItem> items;
    const int count = std::min(Spells().Count(list), maxLines);
    for (int index = 0; index < count; ++index) {
        const SpellKind* kind = Spells().SpellAt(list, index);
        if (!kind) continue;
        items.push_back(
            {prefix + std::to_string(index), kind->id,
             GetText(kind->id) + u": " + Utf8ToUtf16(std::to_string(owned.Count(kind->id)))});
    }
    return items;
}

}  // namespace

std::vector<SpellListItem> CombatSpellItems(const SpellContainer& owned) {
    return Items(SpellList::kCombat, "CItem", kCombatLines, owned);
}

std::vector<SpellListItem> AdventureSpellItems(const SpellContainer& owned) {
    return Items(SpellList::kAdventure, "Item", Spells().Count(SpellList::kAdventure), owned);
}

void ShowCombatSpellCounts(const SpellContainer& owned) {
    GameMessage message{{}, {}, "OK", {}, {}};
    const int kinds = Spells().Count(SpellList::kCombat);
    for (const SpellListItem& item : Items(SpellList::kCombat, "CItem", kinds, owned)) {
        if (!message.text.empty()) message.text += u"\n";
        message.text += item.text;
    }
    Ui().ShowMessage(message, {});
}

}  // namespace cv
