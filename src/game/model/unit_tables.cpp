#include "game/model/unit_tables.h"

#include <cstdio>
#include <limits>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/model/int_math.h"

namespace cv {
namespace {

// Unit indexes beyond this are a slip in the rules file, not a table to grow.
constexpr int kMaxUnitIndex = 1023;

struct FlagKey {
    const char* key;
    UnitFlag flag;
};
constexpr FlagKey kFlagKeys[] = {
    {"Fly", kUnitFly},
    {"Unspell", kUnitUnspell},
    {"Vamp", kUnitVamp},
    {"Ghost", kUnitGhost},
    {"Half", kUnitHalf},
    {"SpellShoot", kUnitSpellShoot},
    {"HitsRegenerate", kUnitHitsRegenerate},
};

Dispatcher* RequirePath(Dispatcher* root, const std::string& path) {
    Dispatcher* node = FindNode(root, path);
    if (!node) FatalError("Not found path: %s", path.c_str());
    return node;
}

int OptionalInt(Dispatcher* node, const std::string& key, int fallback) {
    int32_t v = fallback;
    if (Value* value = FindValue(node, key)) value->GetInt(v);
    return v;
}

uint32_t ReadFlags(Dispatcher* node) {
    uint32_t flags = 0;
    for (const FlagKey& f : kFlagKeys) {
        if (OptionalInt(node, f.key, 0) != 0) flags |= f.flag;
    }
    return flags;
}

uint32_t ParseHexColour(const std::string& text) {
    unsigned colour = 0;
    std::sscanf(text.c_str(), "%X", &colour);
    return colour;
}

}  // namespace

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

void UnitTables::Clear() {
    sources_.clear();
    units_.clear();
    byId_.clear();
}

void UnitTables::Load(Dispatcher* root) {
    Clear();
    LoadSources(RequirePath(root, "Army.Sources"));
    Dispatcher* units = RequirePath(root, "Army.Units");
    LoadUnits(units);
    if (Dispatcher* groups = FindNode(root, "Army.Groups")) LoadMorale(units, groups);
}

void UnitTables::LoadSources(Dispatcher* sources) {
    for (const auto& [name, item] : sources->children()) {
        Dispatcher* node = item->AsDispatcher();
        if (!node) continue;
        std::string colour;
        GetString("Unit Source " + name, node, "Color", colour);
        sources_.push_back(
            {name, ParseHexColour(colour) | 0xFF000000u, OptionalInt(node, "Terr", -1)});
    }
}

void UnitTables::LoadUnits(Dispatcher* units) {
    for (const auto& [name, item] : units->children()) {
        Dispatcher* node = item->AsDispatcher();
        Value* indexValue = node ? FindValue(node, "Index") : nullptr;
        int32_t index = 0;
        if (!indexValue || !indexValue->GetInt(index)) continue;
        if (index < 0 || index > kMaxUnitIndex) {
            FatalError("Invalid index=%d of unit %s", index, name.c_str());
        }
        const std::string requester = "Unit " + name;
        auto unit = MakeRef<SquadDef>();
        unit->id = name;
        GetString(requester, node, "Source", unit->source);
        SourceById(unit->source);  // fatal for a source "Army.Sources" lacks
        GetInt(requester, node, "SL", unit->skillLevel);
        GetInt(requester, node, "MV", unit->moves);
        GetInt(requester, node, "Hit", unit->hitPoints);
        GetInt(requester, node, "Dmg1", unit->meleeMin);
        GetInt(requester, node, "Dmg2", unit->meleeMax);
        GetInt(requester, node, "Pay", unit->pay);
        GetInt(requester, node, "Cost", unit->cost);
        unit->rangedMin = OptionalInt(node, "Bow1", 0);
        unit->rangedMax = OptionalInt(node, "Bow2", 0);
        unit->leadership = OptionalInt(node, "Lead", unit->hitPoints);
        unit->available = OptionalInt(node, "Avail", 0);
        unit->shots = OptionalInt(node, "Shoot", 0);
        unit->spoils = ClampToInt(int64_t{5} * unit->pay);
        unit->flags = ReadFlags(node);
        if (static_cast<int>(units_.size()) <= index) units_.resize(index + 1);
        units_[index] = unit;
    }
    for (size_t i = 0; i < units_.size(); ++i) {
        if (!units_[i]) FatalError("Not defined unit with index=%d", static_cast<int>(i));
        byId_[units_[i]->id] = units_[i];
    }
}

void UnitTables::LoadMorale(Dispatcher* units, Dispatcher* groups) {
    std::map<std::string, std::vector<std::string>> members;
    for (const auto& [name, item] : groups->children()) {
        std::string text;
        Value* value = item->AsValue();
        if (value && value->GetString(text)) members[name] = SplitList(text);
    }
    auto fill = [&](Dispatcher* node, const std::string& unitId, const char* key,
                    std::set<std::string>& set) {
        std::string text;
        Value* value = FindValue(node, key);
        if (!value || !value->GetString(text)) return;
        for (const std::string& group : SplitList(text)) {
            auto found = members.find(group);
            if (found == members.end()) {
                FatalError("Invalid morale group name <%s> for unit <%s>", group.c_str(),
                           unitId.c_str());
            }
            set.insert(found->second.begin(), found->second.end());
        }
    };
    for (const auto& [name, item] : units->children()) {
        Dispatcher* node = item->AsDispatcher();
        auto unit = byId_.find(name);
        if (!node || unit == byId_.end()) continue;
        fill(node, name, "LowMorale", unit->second->lowMorale);
        fill(node, name, "HighMorale", unit->second->highMorale);
    }
}

Ref<SquadDef> UnitTables::UnitById(const std::string& id) const {
    auto found = byId_.find(id);
    if (found == byId_.end()) FatalError("Invalid Unit ID: <%s>", id.c_str());
    return found->second;
}

const SquadDef* UnitTables::FindUnit(const std::string& id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second.get();
}

const UnitSource* UnitTables::FindSource(const std::string& id) const {
    for (const UnitSource& source : sources_) {
        if (source.id == id) return &source;
    }
    return nullptr;
}

const UnitSource& UnitTables::SourceById(const std::string& id) const {
    const UnitSource* source = FindSource(id);
    if (!source) FatalError("Invalid Unit Source: <%s>", id.c_str());
    return *source;
}

UnitTables& Units() {
    static UnitTables tables;
    return tables;
}

bool IsUndead(const SquadDef& unit) {
    return unit.source == "Dungeon" && unit.id != "Demons";
}

int MaxControllable(const SquadDef& unit, int leadership) {
    if (unit.leadership <= 0) return std::numeric_limits<int32_t>::max();
    return leadership / unit.leadership;
}

}  // namespace cv
