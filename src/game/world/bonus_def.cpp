#include "game/world/bonus_def.h"

#include "core/dispatcher_access.h"
#include "game/model/unit_tables.h"

namespace cv {
namespace {

void ReadInt(Dispatcher* node, const char* key, int& out) {
    if (Value* value = FindValue(node, key)) value->GetInt(out);
}

std::vector<std::string> ReadRecruits(Dispatcher* node) {
    std::vector<std::string> recruits;
    for (const auto& [name, item] : node->children()) {
        std::string list;
        Value* value = item->AsValue();
        if (name.compare(0, 9, "AvailList") != 0 || !value || !value->GetString(list)) continue;
        for (std::string& unit : SplitList(list)) recruits.push_back(std::move(unit));
    }
    if (recruits.empty()) recruits.push_back("Peasants");
    return recruits;
}

}  // namespace

void BonusDef::Read(Dispatcher* node) {
    const std::pair<const char*, int*> keys[] = {{"Teleports", &teleports},
                                                 {"ShowMap", &showMap},
                                                 {"RecruitsMin", &recruitsMin},
                                                 {"RecruitsMax", &recruitsMax},
                                                 {"JoinMin", &joinMin},
                                                 {"JoinMax", &joinMax},
                                                 {"GoldWeight", &goldWeight},
                                                 {"IncomeWeight", &incomeWeight},
                                                 {"SpellWeight", &spellWeight},
                                                 {"SpellNumWeight", &spellNumWeight},
                                                 {"SpellPowerWeight", &spellPowerWeight},
                                                 {"IncomeMax", &incomeMax},
                                                 {"IncomeMin", &incomeMin},
                                                 {"SpellMax", &spellMax},
                                                 {"SpellMin", &spellMin},
                                                 {"SpellPowerMax", &spellPowerMax},
                                                 {"SpellPowerMin", &spellPowerMin},
                                                 {"SpellsCapMax", &spellsCapMax},
                                                 {"SpellsCapMin", &spellsCapMin},
                                                 {"LeadMin", &leadMin},
                                                 {"LeadMax", &leadMax},
                                                 {"LeadCost", &leadCost},
                                                 {"LeadFactor", &leadFactor}};
    for (const auto& [key, field] : keys) ReadInt(node, key, *field);
    if (Value* value = FindValue(node, "NextMap")) value->GetString(nextMap);
    Dispatcher* recruitNode = FindNode(node, "Recruits");
    recruits = recruitNode ? ReadRecruits(recruitNode) : std::vector<std::string>{"Peasants"};
    int sample = 1;
    int sortByDist = 0;
    ReadInt(recruitNode, "SampleReplacement", sample);
    ReadInt(recruitNode, "SortByDist", sortByDist);
    sampleReplacement = sample != 0;
    sortByDistance = sortByDist != 0;
}

}  // namespace cv
