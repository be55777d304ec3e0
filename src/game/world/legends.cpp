#include "game/world/legends.h"

#include <algorithm>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/model/game_random.h"
#include "game/world/location.h"

namespace cv {
namespace {

// How often a legend is asked again for a unit the army does not hold yet.
constexpr int kPicksPerSquad = 5;

[[noreturn]] void ConfigError(const char* what, const std::string& requester) {
    FatalError("Error of dispatcher using: %s in %s", what, requester.c_str());
}

// The legend number a child name stands for, -1 when it is none. Only "?"
// reaches legends past 9; two digits leave the rules room enough.
int LegendNumber(const std::string& name) {
    if (name.empty() || name.size() > 2) return -1;
    if (!std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(name);
}

int IntOr(Dispatcher* node, const char* key, int fallback) {
    int32_t value = fallback;
    if (Value* item = FindValue(node, key)) item->GetInt(value);
    return value;
}

Legend ReadLegend(Dispatcher* node, const std::string& requester) {
    Legend legend;
    for (const auto& [name, item] : node->children()) {
        if (name == "Weight") continue;
        if (Dispatcher* entry = item->AsDispatcher()) {
            legend.entries.push_back({name, IntOr(entry, "Count", 0)});
        }
    }
    legend.weight = IntOr(node, "Weight", 0);
    if (!legend.IsDefined()) ConfigError("Invalid weight of army Legend", requester);
    return legend;
}

const Legend& LegendFor(char c, const std::vector<Legend>& legends, const std::string& armyDef) {
    if (c == '?') {
        std::vector<int> weights;
        for (const Legend& legend : legends) weights.push_back(legend.weight);
        const int chosen = WeightedChoice(weights);
        if (chosen >= 0) return legends[chosen];
    } else if (c >= '0' && c <= '9') {
        const size_t number = static_cast<size_t>(c - '0');
        if (number < legends.size() && legends[number].IsDefined()) return legends[number];
    }
    FatalError("Invalid army def <%s>", armyDef.c_str());
}

}  // namespace

void EnemyDefs::Read(Dispatcher* enemies, const std::string& requester) {
    *this = EnemyDefs();
    if (!enemies) return;
    if (Value* value = FindValue(enemies, "StdDef")) value->GetString(standardArmy);
    if (Value* value = FindValue(enemies, "CastleDef")) value->GetString(castleArmy);
    Dispatcher* node = FindNode(enemies, "Legends");
    if (!node) return;
    for (const auto& [name, item] : node->children()) {
        const int number = LegendNumber(name);
        if (number >= 0 && legends.size() <= static_cast<size_t>(number)) {
            legends.resize(number + 1);
        }
        if (number < 0 || legends[number].IsDefined() || !item->AsDispatcher()) {
            ConfigError("invalid or duplicated Legend number", requester);
        }
        legends[number] = ReadLegend(item->AsDispatcher(), requester);
    }
}

int WeightedChoice(const std::vector<int>& weights) {
    int sum = 0;
    for (int weight : weights) sum += weight;
    const int r = RandN(sum);
    int start = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (r >= start && r < start + weights[i]) return static_cast<int>(i);
        start += weights[i];
    }
    return -1;
}

const LegendEntry& PickLegendEntry(const Legend& legend) {
    if (legend.entries.empty()) FatalError("Empty enemy level");
    return legend.entries[RandN(static_cast<int>(legend.entries.size()))];
}

Ref<Army> GenerateArmy(const Location& location, const std::string& armyDef) {
    auto army = MakeRef<Army>();
    for (char c : armyDef) {
        const Legend& legend = LegendFor(c, location.enemies().legends, armyDef);
        const LegendEntry* entry = &PickLegendEntry(legend);
        for (int pick = 1; pick < kPicksPerSquad && army->Find(entry->unit); ++pick) {
            entry = &PickLegendEntry(legend);
        }
        army->Merge(entry->unit, entry->count);
    }
    return army;
}

}  // namespace cv
