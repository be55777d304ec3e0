#pragma once

#include <string>
#include <vector>

#include "game/model/hero.h"

namespace cv {

// One squad's line of the budget: its pay, or "Leave" when it could not be paid.
struct BudgetRow {
    std::string unitId;
    int pay = 0;
    bool left = false;
};

// What the "WeekReport" form shows.
struct WeeklyBudget {
    enum Value { kOnHand, kPayment, kBoat, kArmy, kBalance, kValueCount };
    static constexpr const char* kLabels[kValueCount] = {"On Hand", "Payment", "Boat", "Army",
                                                         "Balance"};
    int week = 0;
    int values[kValueCount] = {};
    std::vector<BudgetRow> rows;
};

// Pays the commission in and the boat and the army out, squad by squad in slot
// order; a squad that cannot be paid leaves, and a cheaper one behind it may
// still be paid. The hero's gold becomes the balance.
WeeklyBudget SettleBudget(Hero& hero, bool hasRentedBoat, int week);

}  // namespace cv
