#include "game/combat/combat_sys.h"

#include "core/dispatcher_access.h"
#include "game/model/game_random.h"
#include "game/model/int_math.h"

namespace cv {

void CombatSys::Load(Dispatcher* root) {
    const std::string requester = "Combat params system";
    Dispatcher* node = GetNode(requester, root, "CombatSys");
    const std::pair<const char*, int*> required[] = {
        {"RetailDiv", &retaliationDiv},          {"RetailMul", &retaliationMul},
        {"LowMoraleDmgDiv", &lowMoraleDmgDiv},   {"LowMoraleDmgMul", &lowMoraleDmgMul},
        {"HighMoraleDmgDiv", &highMoraleDmgDiv}, {"HighMoraleDmgMul", &highMoraleDmgMul},
        {"GoodWeekDmgMul", &goodWeekDmgMul},     {"GoodWeekDmgDiv", &goodWeekDmgDiv},
        {"HalfFrequency", &halfFrequency}};
    for (const auto& [key, field] : required) GetInt(requester, node, key, *field);
    vampResurrectMul = 1;
    vampResurrectDiv = 1;
    if (Value* value = FindValue(node, "VampResurrectMul")) value->GetInt(vampResurrectMul);
    if (Value* value = FindValue(node, "VampResurrectDiv")) value->GetInt(vampResurrectDiv);
}

int CombatSys::ApplyMorale(int damage, Morale morale) const {
    switch (morale) {
        case Morale::kLow:
            return MulDiv(damage, lowMoraleDmgMul, lowMoraleDmgDiv);
        case Morale::kHigh:
            return MulDiv(damage, highMoraleDmgMul, highMoraleDmgDiv);
        default:
            return damage;
    }
}

int CombatSys::ApplyGoodWeek(int damage) const {
    return MulDiv(damage, goodWeekDmgMul, goodWeekDmgDiv);
}

int CombatSys::VampireHeal(int damage) const {
    return MulDiv(damage, vampResurrectMul, vampResurrectDiv);
}

bool CombatSys::HalfStrikes() const {
    return RandN(halfFrequency) == 0;
}

CombatSys& CombatParams() {
    static CombatSys params;
    return params;
}

}  // namespace cv
