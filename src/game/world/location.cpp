#include "game/world/location.h"

#include <algorithm>

#include "core/dispatcher_access.h"
#include "game/model/game_random.h"
#include "game/model/game_ui.h"

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

}  // namespace

void Location::ReadHeader(Dispatcher* node) {
    const std::string requester = Requester();
    GetInt(requester, node, "X0", entry_.x);
    GetInt(requester, node, "Y0", entry_.y);
    GetString(requester, node, "EnemyIcon", enemyIcon_);
    GetString(requester, node, "MapIcon", mapIcon_);
    standardArmy_.clear();
    castleArmy_.clear();
    if (Value* value = FindValue(node, "Enemies.StdDef")) value->GetString(standardArmy_);
    if (Value* value = FindValue(node, "Enemies.CastleDef")) value->GetString(castleArmy_);
    bonus_ = BonusDef();
    if (Dispatcher* bonus = FindNode(node, "BonusDef")) bonus_.Read(bonus);
}

void Location::ReadDefinition(Dispatcher* node) {
    ReadHeader(node);
    std::string file = id_ + ".cvmap";
    if (Value* value = FindValue(node, "Map")) value->GetString(file);
    terrain_.LoadFile("Terr\\" + file);
    if (Dispatcher* stops = FindNode(node, "Stops")) {
        for (const auto& [name, item] : stops->children()) {
            stops_.push_back(CellOf(Requester(), item->AsDispatcher()));
        }
    }
}

bool Location::IsUsable(Cell cell) const {
    const TerrainKind& kind = KindAt(cell);
    return kind.Has(kTerrainWalk) && !kind.Has(kTerrainSlow) && !ObjectAt(cell);
}

Cell Location::RandomUsableNeighbour(Cell cell) const {
    std::vector<Cell> usable;
    for (Cell offset : kNeighbourOffsets) {
        Cell next{cell.x + offset.x, cell.y + offset.y};
        if (IsOnContinent(next) && IsUsable(next)) usable.push_back(next);
    }
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
