#pragma once

#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "core/save_chunks.h"
#include "game/world/location.h"

namespace cv {

// The continents of a game ("Maps"), indexed by their "Index". Indexes the
// rules skip leave empty slots.
class World {
public:
    // One bit per continent in the hero's sets of known and mapped continents.
    static constexpr int kMaxContinents = 16;

    // Every continent of the rules' "Maps" node.
    void LoadAll(Dispatcher* root);
    void Clear() { maps_.clear(); }

    int Count() const { return static_cast<int>(maps_.size()); }
    // None for an empty slot or an index outside the list.
    Location* Get(int index) const;
    // Fatal "Invalid Continent ID: %s" when no continent has the id.
    Location& Find(const std::string& id) const;

    // The "LOCS" chunk. Loading replaces every continent.
    void Save(ChunkWriter& out) const;
    void Load(ChunkReader& in, Dispatcher* root);

private:
    std::vector<Ref<Location>> maps_;
};

}  // namespace cv
