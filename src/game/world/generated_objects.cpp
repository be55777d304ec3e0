#include "game/world/generated_objects.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/dispatcher_access.h"
#include "game/model/game_random.h"
#include "game/model/unit_tables.h"
#include "game/world/army_objects.h"
#include "game/world/bonus_objects.h"
#include "game/world/dwelling.h"

namespace cv {
namespace {

// The shuffled cells, handed out from the front.
class CellDealer {
public:
    explicit CellDealer(std::vector<Cell> cells) : cells_(std::move(cells)) {}
    size_t left() const { return cells_.size() - next_; }
    Cell Take() { return cells_[next_++]; }

private:
    std::vector<Cell> cells_;
    size_t next_ = 0;
};

// The children with both an integer "X" and "Y", each swapped with one
// drawn from those before it.
std::vector<Cell> ShuffledCells(Dispatcher* bonuses) {
    std::vector<Cell> cells;
    if (bonuses) {
        for (const auto& [name, item] : bonuses->children()) {
            Value* x = FindValue(item->AsDispatcher(), "X");
            Value* y = FindValue(item->AsDispatcher(), "Y");
            Cell cell;
            if (x && y && x->GetInt(cell.x) && y->GetInt(cell.y)) cells.push_back(cell);
        }
    }
    for (size_t i = 1; i < cells.size(); ++i) {
        std::swap(cells[i], cells[RandN(static_cast<int>(i))]);
    }
    return cells;
}

template <class Type>
Ref<Type> Place(Location& location, Cell cell) {
    auto object = MakeRef<Type>();
    object->SetCell(cell);
    location.AddObject(object);
    return object;
}

// Min + rand_n(Max - Min): Max itself is never drawn unless it is Min.
int CountBetween(int min, int max) {
    return min + RandN(max - min);
}

void PlaceContinentMap(Location& location, CellDealer& cells) {
    const std::string& target = location.bonus().nextMap;
    if (target.empty() || cells.left() == 0) return;
    Place<ContinentMap>(location, cells.Take())->SetTarget(target);
}

void PlaceArtifacts(Location& location, CellDealer& cells) {
    Dispatcher* artifacts = FindNode(Root(), "Artifacts");
    if (!artifacts) return;
    for (const auto& [id, item] : artifacts->children()) {
        std::string map;
        Value* value = FindValue(item->AsDispatcher(), "Map");
        if (!value || !value->GetString(map) || map != location.id()) continue;
        if (cells.left() == 0) return;
        Place<ArtifactObject>(location, cells.Take())->SetName(id);
    }
}

void PlaceTeleporters(Location& location, CellDealer& cells) {
    for (int i = 0; i < location.bonus().teleports && cells.left() >= 2; ++i) {
        Ref<Teleporter> a = Place<Teleporter>(location, cells.Take());
        Ref<Teleporter> b = Place<Teleporter>(location, cells.Take());
        a->SetTarget(b->cell());
        b->SetTarget(a->cell());
    }
}

void PlaceMapRevealers(Location& location, CellDealer& cells) {
    for (int i = 0; i < location.bonus().showMap && cells.left() > 0; ++i) {
        Place<MapRevealer>(location, cells.Take());
    }
}

// With "SortByDist" the cheapest units stand nearest the entry; both sorts
// may reorder equals.
void SortNearestCheapest(Cell entry, std::vector<Cell>& cells, std::vector<std::string>& units) {
    std::sort(cells.begin(), cells.end(),
              [entry](Cell a, Cell b) { return Distance(a, entry) < Distance(b, entry); });
    std::sort(units.begin(), units.end(), [](const std::string& a, const std::string& b) {
        return Units().UnitById(a)->cost < Units().UnitById(b)->cost;
    });
}

void PlaceDwellings(Location& location, CellDealer& cells) {
    const BonusDef& bonus = location.bonus();
    const int count = CountBetween(bonus.recruitsMin, bonus.recruitsMax);
    std::vector<std::string> pool = bonus.recruits;
    std::vector<std::string> units;
    std::vector<Cell> chosen;
    for (int i = 0; i < count && cells.left() > 0 && !pool.empty(); ++i) {
        const int pick = RandN(static_cast<int>(pool.size()));
        units.push_back(pool[pick]);
        chosen.push_back(cells.Take());
        if (!bonus.sampleReplacement) pool.erase(pool.begin() + pick);
    }
    if (bonus.sortByDistance) SortNearestCheapest(location.entry(), chosen, units);
    for (size_t i = 0; i < units.size(); ++i) {
        Place<Dwelling>(location, chosen[i])->Setup(location, units[i]);
    }
}

void PlaceJoiningBands(Location& location, CellDealer& cells) {
    const BonusDef& bonus = location.bonus();
    const int count = CountBetween(bonus.joinMin, bonus.joinMax);
    for (int i = 0; i < count && cells.left() > 0; ++i) {
        Place<Join>(location, cells.Take())->SetArmy(GenerateArmy(location, "?"));
    }
}

}  // namespace

void PlaceGenerated(Location& location, Dispatcher* bonuses) {
    CellDealer cells(ShuffledCells(bonuses));
    PlaceContinentMap(location, cells);
    PlaceArtifacts(location, cells);
    PlaceTeleporters(location, cells);
    PlaceMapRevealers(location, cells);
    PlaceDwellings(location, cells);
    PlaceJoiningBands(location, cells);
    while (cells.left() > 0) Place<Treasure>(location, cells.Take());
}

}  // namespace cv
