#include "autoplay/known_world.h"

namespace cv::autoplay {

KnownWorld::KnownWorld(const RunningGame& game, int continent) : continent_(continent) {
    terrain_.fill(kUnknown);
    const Location* location = game.world().Get(continent);
    if (!location) return;
    const bool wholeMap = game.hero().HasCompleteMap(continent);
    for (int y = 0; y < kContinentSize; ++y) {
        for (int x = 0; x < kContinentSize; ++x) {
            if (!wholeMap && !location->terrain().IsExplored({x, y})) continue;
            terrain_[IndexOf({x, y})] = static_cast<int8_t>(location->TerrainAt({x, y}));
            flags_[IndexOf({x, y})] = static_cast<uint8_t>(location->KindAt({x, y}).flags);
            ++knownCells_;
        }
    }
    // An object covers its own cell and at most the cells around it (a
    // castle's six); the first in the continent's order answers a visit.
    for (const Ref<MapObj>& object : location->objects()) {
        if (!IsKnown(object->cell())) continue;
        objects_.push_back(object);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const Cell cell{object->cell().x + dx, object->cell().y + dy};
                if (!IsOnContinent(cell) || !object->IsAt(cell)) continue;
                MapObj*& slot = objectAt_[IndexOf(cell)];
                if (!slot) slot = object.get();
            }
        }
    }
}

bool KnownWorld::IsFrontier(Cell cell) const {
    if (!IsKnown(cell)) return false;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const Cell next{cell.x + dx, cell.y + dy};
            if (IsOnContinent(next) && !IsKnown(next)) return true;
        }
    }
    return false;
}

}  // namespace cv::autoplay
