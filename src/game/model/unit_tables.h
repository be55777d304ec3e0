#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "game/model/squad_def.h"

namespace cv {

// The unit sources, unit kinds and morale groups, read once from the rules.
class UnitTables {
public:
    // Reads "Army.Sources", "Army.Units" and "Army.Groups" of `root`.
    void Load(Dispatcher* root);
    void Clear();

    int UnitCount() const { return static_cast<int>(units_.size()); }
    const Ref<SquadDef>& UnitAt(int index) const { return units_.at(index); }
    const std::vector<Ref<SquadDef>>& units() const { return units_; }
    // Fatal "Invalid Unit ID: <%s>" when unknown.
    Ref<SquadDef> UnitById(const std::string& id) const;
    const SquadDef* FindUnit(const std::string& id) const;
    // Fatal "Invalid Unit Source: <%s>" when unknown.
    const UnitSource& SourceById(const std::string& id) const;

private:
    void LoadSources(Dispatcher* sources);
    void LoadUnits(Dispatcher* units);
    void LoadMorale(Dispatcher* units, Dispatcher* groups);
    const UnitSource* FindSource(const std::string& id) const;

    std::vector<UnitSource> sources_;
    std::vector<Ref<SquadDef>> units_;
    std::map<std::string, Ref<SquadDef>> byId_;
};

// The game's unit tables.
UnitTables& Units();

// Undead: a unit of the "Dungeon" source other than "Demons".
bool IsUndead(const SquadDef& unit);

// How many units of the kind `leadership` controls. A kind that needs no
// leadership is never limited.
int MaxControllable(const SquadDef& unit, int leadership);

// Items of a comma-separated list, each taken as it stands.
std::vector<std::string> SplitList(const std::string& text);

}  // namespace cv
