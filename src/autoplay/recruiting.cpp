#include "autoplay/recruiting.h"

#include <algorithm>

#include "autoplay/army_estimate.h"
#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"
#include "game/world/town_services.h"

namespace cv::autoplay {
namespace {

// A copy that can be changed without touching the hero's squads.
Ref<Army> CopyOf(const Army& army) {
    auto copy = MakeRef<Army>();
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = army.At(slot)) copy->Add(squad->kind().id, squad->count());
    }
    return copy;
}

int LowSpirits(const Army& army, int leadership) {
    int low = 0;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        low += army.At(slot) && MoraleOf(army, slot, leadership) == Morale::kLow;
    }
    return low;
}

int WeeklyCosts(const RunningGame& game) {
    int64_t costs = game.rentedBoat() ? game.hero().boatRent() : 0;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = game.hero().army().At(slot)) costs += squad->WeeklyPay();
    }
    return static_cast<int>(std::min<int64_t>(costs, 1 << 30));
}

}  // namespace

int SpareGold(const RunningGame& game, bool saving) {
    const Hero& hero = game.hero();
    int spare = hero.gold() - std::max(0, WeeklyCosts(game) - hero.WeeklyCommission());
    if (!game.rentedBoat()) spare -= hero.boatRent();
    if (saving && !hero.hasSiegeWeapons()) spare -= SiegeWeaponsCost();
    return std::max(spare, 0);
}

bool AffordsSiegeWeapons(const RunningGame& game) {
    return SpareGold(game, false) >= SiegeWeaponsCost();
}

bool KeepsMorale(const Hero& hero, const std::string& unitId, int count, int replacedSlot) {
    const int leadership = hero.EffectiveLeadership();
    Ref<Army> after = CopyOf(hero.army());
    if (replacedSlot >= 0) after->RemoveSlot(replacedSlot);
    if (count <= 0 || !after->CanTake(unitId)) return false;
    after->Merge(unitId, count);
    return LowSpirits(*after, leadership) <= LowSpirits(hero.army(), leadership);
}

int WeakestSlot(const Army& army) {
    int weakest = -1;
    double least = 0;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        const Ref<Squad> squad = army.At(slot);
        if (!squad) continue;
        const double power = Power(squad->kind(), squad->count());
        if (weakest < 0 || power < least) {
            weakest = slot;
            least = power;
        }
    }
    return weakest;
}

int RecruitsAt(const RunningGame& game, const Dwelling& dwelling, bool saving) {
    const SquadDef& unit = *Units().UnitById(dwelling.unit());
    int count = dwelling.Offer(game.hero()).most;
    if (unit.cost + unit.pay > 0) {
        count = std::min(count, SpareGold(game, saving) / (unit.cost + unit.pay));
    }
    return KeepsMorale(game.hero(), unit.id, count) ? count : 0;
}

KingRecruitCounts KingRecruits(const RunningGame& game, bool saving) {
    const Hero& hero = game.hero();
    KingRecruitCounts counts = {};
    int budget = SpareGold(game, saving);
    const auto rows = KingRecruitRows(hero);
    for (int row = kKingRecruitRows - 1; row >= 0; --row) {
        const SquadDef& unit = *Units().UnitById(rows[row].unitId);
        const int cost = unit.cost + unit.pay;
        int count = KingRecruitMax(hero, counts, row);
        if (cost > 0) count = std::min(count, budget / cost);
        if (!KeepsMorale(hero, rows[row].unitId, count)) continue;
        counts[row] = count;
        budget -= cost * count;
    }
    return counts;
}

int KingRecruitingCost(const RunningGame& game, bool saving) {
    const KingRecruitCounts counts = KingRecruits(game, saving);
    const auto rows = KingRecruitRows(game.hero());
    int cost = 0;
    for (int row = 0; row < kKingRecruitRows; ++row) {
        cost += counts[row] * Units().UnitById(rows[row].unitId)->cost;
    }
    return cost;
}

}  // namespace cv::autoplay
