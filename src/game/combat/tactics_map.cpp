#include "game/combat/tactics_map.h"

#include <cstdlib>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"

namespace cv {

void TacticsMapTable::Load(Dispatcher* root) {
    items_.clear();
    Dispatcher* node = FindNode(root, "TacticsMap");
    if (!node) FatalError("Not found 'TacticsMap' in Root dispatcher");
    for (const auto& [name, child] : node->children()) {
        const int id = std::atoi(name.c_str());
        if (items_.count(id)) FatalError("Duplicate id=%d in TacticsMap", id);
        TacticsItem item;
        Value* image = child->AsDispatcher() ? FindValue(child->AsDispatcher(), "Img") : nullptr;
        if (!image || !image->GetString(item.image)) {
            FatalError("Not found 'Img' variable in TacticsMap item %s", name.c_str());
        }
        int32_t free = 0;
        if (Value* value = FindValue(child->AsDispatcher(), "Free")) value->GetInt(free);
        item.free = free != 0;
        items_[id] = item;
    }
}

const TacticsItem& TacticsMapTable::ItemFor(int id) const {
    auto found = items_.find(id);
    if (found == items_.end()) FatalError("Invalid value <%d> for Tactics Map", id);
    return found->second;
}

TacticsMapTable& TacticsMap() {
    static TacticsMapTable table;
    return table;
}

}  // namespace cv
