#pragma once

#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "game/model/army.h"

namespace cv {

class Location;

// One kind of squad a legend may field.
struct LegendEntry {
    std::string unit;
    int count = 0;
};

// One level of hostile armies: the squads it may field, and how often it is
// chosen when an army asks for any level.
struct Legend {
    std::vector<LegendEntry> entries;
    int weight = 0;  // above 0 once read; 0 marks a number the rules skip

    bool IsDefined() const { return weight > 0; }
};

// A continent's hostile armies ("Enemies"): its legends by number and the
// army definitions of its wandering armies and castle garrisons. An army
// definition gives one squad a character: a digit names a legend, "?" draws
// one by weight.
struct EnemyDefs {
    std::vector<Legend> legends;
    std::string standardArmy;  // "StdDef"
    std::string castleArmy;    // "CastleDef"

    // Replaces everything with the "Enemies" node's content (none for null).
    // A legend number that is not a plain number or comes twice, and a
    // weight that is not positive, end the program naming `requester`.
    void Read(Dispatcher* enemies, const std::string& requester);
};

// Index of the weight whose cumulative range holds rand_n(sum of weights);
// -1 when nothing can be chosen (no weights, or none positive). Weights
// must not be negative.
int WeightedChoice(const std::vector<int>& weights);

// One of the legend's entries, drawn uniformly; fatal "Empty enemy level"
// for a legend without entries.
const LegendEntry& PickLegendEntry(const Legend& legend);

// An army after `armyDef`, drawn from the continent's legends. A legend
// asked for twice tries up to five entries for a unit the army does not hold
// yet. Fatal "Invalid army def <%s>" for a character that names no legend,
// and for "?" on a continent without legends.
Ref<Army> GenerateArmy(const Location& location, const std::string& armyDef);

}  // namespace cv
