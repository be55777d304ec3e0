#include "autoplay/object_moves.h"

#include <algorithm>

namespace cv::autoplay {

ObjectMoves::ObjectMoves(const RunningGame& from, const RunningGame& to) {
    const int continents = std::min(from.world().Count(), to.world().Count());
    for (int i = 0; i < continents; ++i) {
        const Location* was = from.world().Get(i);
        const Location* is = to.world().Get(i);
        if (!was || !is) continue;
        const size_t count = std::min(was->objects().size(), is->objects().size());
        for (size_t j = 0; j < count; ++j) moves_[was->objects()[j].get()] = is->objects()[j].get();
    }
}

PlayerMemory MovedMemory(const PlayerMemory& memory, const ObjectMoves& moved) {
    PlayerMemory copy = memory;
    copy.castleNews = moved.Rekeyed(memory.castleNews);
    copy.sightings = moved.Rekeyed(memory.sightings);
    copy.emptyDwellings = moved.Rekeyed(memory.emptyDwellings);
    copy.noBoatTowns = moved.Rekeyed(memory.noBoatTowns);
    copy.approaching = moved(memory.approaching);
    return copy;
}

}  // namespace cv::autoplay
