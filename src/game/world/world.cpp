#include "game/world/world.h"

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"

namespace cv {

void World::LoadAll(Dispatcher* root) {
    Dispatcher* maps = FindNode(root, "Maps");
    if (!maps) FatalError("'Maps' Object not found in global Root");
    maps_.clear();
    for (const auto& [name, item] : maps->children()) {
        Dispatcher* node = item->AsDispatcher();
        Value* indexValue = node ? FindValue(node, "Index") : nullptr;
        int32_t index = 0;
        if (!indexValue || !indexValue->GetInt(index)) {
            FatalError("Not found 'Index' variable in %s map", name.c_str());
        }
        if (index < 0 || index >= kMaxContinents) {
            FatalError("Invalid Index=%d in map '%s'", index + 1, name.c_str());
        }
        if (Count() <= index) maps_.resize(index + 1);
        maps_[index] = MakeRef<Location>(index, name);
        maps_[index]->ReadDefinition(node);
    }
}

Location* World::Get(int index) const {
    return index >= 0 && index < Count() ? maps_[index].get() : nullptr;
}

Location& World::Find(const std::string& id) const {
    for (const auto& location : maps_) {
        if (location && location->id() == id) return *location;
    }
    FatalError("Invalid Continent ID: %s", id.c_str());
}

}  // namespace cv
