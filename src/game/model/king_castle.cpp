#include "game/model/king_castle.h"

#include <algorithm>

#include "core/language.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"

namespace cv {
namespace {

struct RowDefinition {
    const char* unitId;
    int minLevel;
};
constexpr RowDefinition kRows[kKingRecruitRows] = {
    {"Militia", 0}, {"Archers", 0}, {"Pikemen", 0}, {"Cavalry", 1}, {"Knights", 2}};

int64_t CostOfOthers(const KingRecruitCounts& counts, int row) {
    int64_t cost = 0;
    for (int i = 0; i < kKingRecruitRows; ++i) {
        if (i != row) cost += int64_t{Units().UnitById(kRows[i].unitId)->cost} * counts[i];
    }
    return cost;
}

// Slots that rows other than `row` would fill with units new to the army.
int NewSlotsOfOthers(const Hero& hero, const KingRecruitCounts& counts, int row) {
    int slots = 0;
    for (int i = 0; i < kKingRecruitRows; ++i) {
        if (i != row && counts[i] > 0 && !hero.army().Find(kRows[i].unitId)) ++slots;
    }
    return slots;
}

}  // namespace

std::u16string KingAudience(Hero& hero) {
    if (hero.villainsNeeded() > 0) {
        std::u16string greeting =
            hero.IsFemale() ? GetText("My dear <NAME>,", "F") : GetText("My dear <NAME>,");
        ReplacePlaceholder(greeting, u"<NAME>", hero.name());
        std::u16string demand =
            GetText("you must capture <N> villains", std::to_string(hero.villainsNeeded()));
        ReplacePlaceholder(demand, u"<N>", hero.villainsNeeded());
        return greeting + u"\n" + demand;
    }
    if (hero.level() >= hero.maxLevel()) return GetText("Hurry and recover my Scepter of Velquor");
    hero.ApplyLevel(hero.level() + 1, ClampToInt(-int64_t{hero.villainsNeeded()}));
    std::u16string text = GetText("Congratulations, <NAME>, I now promote you to <TITLE>");
    ReplacePlaceholder(text, u"<NAME>", hero.name());
    ReplacePlaceholder(text, u"<TITLE>", GetText(hero.title()));
    return text;
}

std::array<KingRecruitRow, kKingRecruitRows> KingRecruitRows(const Hero& hero) {
    std::array<KingRecruitRow, kKingRecruitRows> rows;
    for (int i = 0; i < kKingRecruitRows; ++i) {
        const SquadDef& unit = *Units().UnitById(kRows[i].unitId);
        int allowed = MaxControllable(unit, hero.EffectiveLeadership());
        rows[i] = {unit.id, kRows[i].minLevel, hero.level() >= kRows[i].minLevel,
                   std::max(0, ClampToInt(int64_t{allowed} - hero.army().TotalOf(unit.id)))};
    }
    return rows;
}

int KingRecruitMax(const Hero& hero, const KingRecruitCounts& counts, int row) {
    const KingRecruitRow rules = KingRecruitRows(hero)[row];
    if (!rules.available) return 0;
    const SquadDef& unit = *Units().UnitById(rules.unitId);
    int freeSlots = Army::kSlots - hero.army().SquadCount() - NewSlotsOfOthers(hero, counts, row);
    if (!hero.army().Find(unit.id) && freeSlots <= 0) return 0;
    int64_t goldLeft = hero.gold() - CostOfOthers(counts, row);
    if (goldLeft <= 0) return 0;
    int64_t affordable = unit.cost > 0 ? goldLeft / unit.cost : rules.limit;
    return ClampToInt(std::min<int64_t>(rules.limit, affordable));
}

void KingRecruit(Hero& hero, const KingRecruitCounts& wanted) {
    // Row by row, each within what the rows before it left.
    KingRecruitCounts counts = {};
    for (int i = 0; i < kKingRecruitRows; ++i) {
        counts[i] = std::clamp(wanted[i], 0, KingRecruitMax(hero, counts, i));
    }
    hero.AddGold(ClampToInt(-CostOfOthers(counts, -1)));
    for (int i = 0; i < kKingRecruitRows; ++i) {
        if (counts[i] > 0) hero.army().Merge(kRows[i].unitId, counts[i]);
    }
}

}  // namespace cv
