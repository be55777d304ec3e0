#include "game/world/location.h"

#include <algorithm>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/model/game_random.h"
#include "game/model/game_ui.h"
#include "game/world/army_objects.h"
#include "game/world/dwelling.h"
#include "game/world/generated_objects.h"
#include "game/world/kings_castle.h"
#include "game/world/signpost.h"
#include "game/world/spell_teacher.h"

namespace cv {
namespace {

// Neighbours in the order every random choice among them uses.
constexpr Cell kNeighbourOffsets[8] = {{-1, 1}, {0, 1},   {1, 1},  {-1, 0},
                                       {1, 0},  {-1, -1}, {0, -1}, {1, -1}};

Cell CellOf(const std::string& requester, Dispatcher* node) {
    Cell cell;
    GetInt(requester, node, "X", cell.x);
    GetInt(requester, node, "Y", cell.y);
    return cell;
}

// Calls `read` with the name and node of each child of `parent` (none for null).
template <class Read>
void ForEachChild(Dispatcher* parent, Read read) {
    if (!parent) return;
    for (const auto& [name, item] : parent->children()) read(name, item->AsDispatcher());
}

// The object of a "Misc" child of `type`, placed at `cell`.
Ref<MapObj> MiscObject(Location& location, Dispatcher* node, const std::string& requester,
                       const std::string& type, Cell cell) {
    if (type == "WarriorsSource") {
        std::string unit;
        GetString(requester, node, "Units", unit);
        auto dwelling = MakeRef<Dwelling>();
        dwelling->SetCell(cell);
        dwelling->Setup(location, unit);
        return dwelling;
    }
    if (type == "KingsCastle") return MakeRef<KingsCastle>();
    if (type == "TeachSpells") {
        int32_t price = 0;
        GetInt(requester, node, "Cost", price);
        auto teacher = MakeRef<SpellTeacher>();
        teacher->SetPrice(price);
        return teacher;
    }
    FatalError("Unknown Map Object Type: %s", type.c_str());
}

}  // namespace

void Location::ReadHeader(Dispatcher* node) {
    const std::string requester = Requester();
    GetInt(requester, node, "X0", entry_.x);
    GetInt(requester, node, "Y0", entry_.y);
    GetString(requester, node, "EnemyIcon", enemyIcon_);
    GetString(requester, node, "MapIcon", mapIcon_);
    enemies_.Read(FindNode(node, "Enemies"), requester);
    bonus_ = BonusDef();
    if (Dispatcher* bonus = FindNode(node, "BonusDef")) bonus_.Read(bonus);
    ReadSigns(FindNode(node, "Signs"));
}

void Location::ReadDefinition(Dispatcher* node) {
    ReadHeader(node);
    std::string file = id_ + ".cvmap";
    if (Value* value = FindValue(node, "Map")) value->GetString(file);
    terrain_.LoadFile("Terr\\" + file);
    ReadTownsAndCastles(node);
    ReadArmies(FindNode(node, "Armies"));
    // Only a continent with its own parameters gets generated objects.
    if (FindNode(node, "BonusDef")) PlaceGenerated(*this, FindNode(node, "Bonuses"));
    ReadMisc(FindNode(node, "Misc"));
    ForEachChild(FindNode(node, "Stops"), [&](const std::string&, Dispatcher* stop) {
        stops_.push_back(CellOf(Requester(), stop));
    });
}

// A castle starts in the monsters' hands.
void Location::ReadTownsAndCastles(Dispatcher* node) {
    ForEachChild(FindNode(node, "Towns"), [&](const std::string& name, Dispatcher* child) {
        auto town = MakeRef<Town>();
        town->SetName(name);
        town->SetCell(CellOf(Requester(), child));
        town->Read(child);
        AddTown(town);
    });
    ForEachChild(FindNode(node, "Castles"), [&](const std::string& name, Dispatcher* child) {
        auto castle = MakeRef<Castle>();
        castle->SetName(name);
        castle->SetCell(CellOf(Requester(), child));
        castle->SetContinent(index_);
        castle->SetUp(*this);
        AddCastle(castle);
    });
}

void Location::AddCastle(Ref<Castle> castle) {
    castles_.push_back(castle);
    AddObject(std::move(castle));
}

void Location::AddTown(Ref<Town> town) {
    towns_.push_back(town);
    AddObject(std::move(town));
}

Town* Location::FindTown(const std::string& name) const {
    for (const Ref<Town>& town : towns_) {
        if (town->name() == name) return town.get();
    }
    return nullptr;
}

Castle* Location::FindCastle(const std::string& name) const {
    for (const Ref<Castle>& castle : castles_) {
        if (castle->name() == name) return castle.get();
    }
    return nullptr;
}

// A sign shows its "Text", which is its name.
void Location::ReadSigns(Dispatcher* signs) {
    ForEachChild(signs, [&](const std::string&, Dispatcher* node) {
        std::string text;
        GetString(Requester(), node, "Text", text);
        auto sign = MakeRef<Signpost>();
        sign->SetName(text);
        sign->SetCell(CellOf(Requester(), node));
        AddObject(sign);
    });
}

// Wandering armies, each of its own "Def" or of the continent's "StdDef".
void Location::ReadArmies(Dispatcher* armies) {
    ForEachChild(armies, [&](const std::string& name, Dispatcher* node) {
        std::string armyDef = enemies_.standardArmy;
        if (Value* value = FindValue(node, "Def")) value->GetString(armyDef);
        auto enemy = MakeRef<Enemy>();
        enemy->SetName(name);
        enemy->SetCell(CellOf(Requester(), node));
        enemy->SetArmy(GenerateArmy(*this, armyDef));
        AddObject(enemy);
    });
}

// Dwellings, the King's castle and the spell teacher.
void Location::ReadMisc(Dispatcher* misc) {
    ForEachChild(misc, [&](const std::string& name, Dispatcher* node) {
        const std::string requester = Requester();
        std::string type;
        GetString(requester, node, "Type", type);
        const Cell cell = CellOf(requester, node);
        Ref<MapObj> object = MiscObject(*this, node, requester, type, cell);
        object->SetName(name);
        object->SetCell(cell);
        AddObject(object);
    });
}

bool Location::IsUsable(Cell cell) const {
    const TerrainKind& kind = KindAt(cell);
    return kind.Has(kTerrainWalk) && !kind.Has(kTerrainSlow) && !ObjectAt(cell);
}

std::vector<Cell> Location::UsableNeighbours(Cell cell) const {
    std::vector<Cell> usable;
    for (Cell offset : kNeighbourOffsets) {
        Cell next{cell.x + offset.x, cell.y + offset.y};
        if (IsOnContinent(next) && IsUsable(next)) usable.push_back(next);
    }
    return usable;
}

Cell Location::RandomUsableNeighbour(Cell cell) const {
    const std::vector<Cell> usable = UsableNeighbours(cell);
    if (usable.empty()) return cell;
    return usable[RandN(static_cast<int>(usable.size()))];
}

Ref<MapObj> Location::ObjectAt(Cell cell) const {
    for (const auto& object : objects_) {
        if (object->IsAt(cell)) return object;
    }
    return nullptr;
}

Ref<MapObj> Location::FindObject(const std::string& name) const {
    for (const auto& object : objects_) {
        if (object->name() == name) return object;
    }
    return nullptr;
}

void Location::AddObject(Ref<MapObj> object) {
    object->SetContinent(index_);
    objects_.push_back(std::move(object));
}

void Location::RemoveObject(const MapObj* object) {
    auto found = std::find_if(objects_.begin(), objects_.end(),
                              [object](const Ref<MapObj>& o) { return o.get() == object; });
    if (found != objects_.end()) objects_.erase(found);
}

// Re-reads the list after each call: an object may take itself away.
void Location::CallEach(RunningGame& game, void (MapObj::*operation)(RunningGame&),
                        bool untilScreenOpens) {
    for (size_t i = 0; i < objects_.size(); ++i) {
        if (untilScreenOpens && !Ui().AdventureIsCurrent()) return;
        Ref<MapObj> object = objects_[i];
        (object.get()->*operation)(game);
        if (i >= objects_.size() || objects_[i] != object) --i;
    }
}

void Location::OnScreenOpen(RunningGame& game) {
    CallEach(game, &MapObj::OnScreenOpen, false);
}
void Location::OnStep(RunningGame& game) {
    CallEach(game, &MapObj::OnStep, true);
}
void Location::OnNewWeek(RunningGame& game) {
    CallEach(game, &MapObj::OnNewWeek, false);
}

bool Location::IsStop(Cell cell) const {
    return std::find(stops_.begin(), stops_.end(), cell) != stops_.end();
}

}  // namespace cv
