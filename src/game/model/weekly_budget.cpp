#include "game/model/weekly_budget.h"

#include "game/model/int_math.h"

namespace cv {

WeeklyBudget SettleBudget(Hero& hero, bool hasRentedBoat, int week) {
    WeeklyBudget budget;
    budget.week = week;
    int* values = budget.values;
    values[WeeklyBudget::kOnHand] = hero.gold();
    values[WeeklyBudget::kPayment] = hero.WeeklyCommission();
    values[WeeklyBudget::kBoat] = hasRentedBoat ? ClampToInt(-int64_t{hero.boatRent()}) : 0;
    int64_t available = int64_t{values[WeeklyBudget::kOnHand]} + values[WeeklyBudget::kPayment] +
                        values[WeeklyBudget::kBoat];
    int64_t paid = 0;
    Army& army = hero.army();
    for (int slot = 0; slot < Army::kSlots;) {
        Ref<Squad> squad = army.At(slot);
        if (!squad) {
            ++slot;
            continue;
        }
        int64_t pay = squad->WeeklyPay();
        if (pay <= available) {
            available -= pay;
            paid += pay;
            budget.rows.push_back({squad->kind().id, ClampToInt(pay), false});
            ++slot;
        } else {
            budget.rows.push_back({squad->kind().id, 0, true});
            army.RemoveSlot(slot);
        }
    }
    values[WeeklyBudget::kArmy] = ClampToInt(-paid);
    values[WeeklyBudget::kBalance] = ClampToInt(available);
    hero.SetGold(values[WeeklyBudget::kBalance]);
    return budget;
}

}  // namespace cv
