#pragma once

#include "core/dispatcher.h"
#include "game/model/army_rules.h"

namespace cv {

// The parameters of the strike rules ("CombatSys" of the rules).
struct CombatSys {
    int retaliationDiv = 1;  // kept from the rules; retaliation uses the ordinary formula
    int retaliationMul = 1;
    int lowMoraleDmgDiv = 1;
    int lowMoraleDmgMul = 1;
    int highMoraleDmgDiv = 1;
    int highMoraleDmgMul = 1;
    int goodWeekDmgMul = 1;
    int goodWeekDmgDiv = 1;
    int halfFrequency = 1;  // a "Half" unit halves its target once in this many strikes
    int vampResurrectMul = 1;
    int vampResurrectDiv = 1;

    // Reads "CombatSys"; a missing required key ends the program.
    void Load(Dispatcher* root);

    int ApplyMorale(int damage, Morale morale) const;
    int ApplyGoodWeek(int damage) const;
    int VampireHeal(int damage) const;
    // Draws whether a "Half" unit halves its target this time.
    bool HalfStrikes() const;
};

// The game's combat parameters.
CombatSys& CombatParams();

}  // namespace cv
