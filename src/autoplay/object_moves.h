#pragma once

#include <map>
#include <set>

#include "autoplay/player_memory.h"
#include "game/world/running_game.h"

namespace cv::autoplay {

// Where the objects of a game stand in a loaded copy of it: on the same
// continent at the same place of its list, as the save keeps them. What the
// player remembers by address follows them there.
class ObjectMoves {
public:
    ObjectMoves(const RunningGame& from, const RunningGame& to);

    // The object's copy; none for none, or for one no longer on the map.
    template <class T>
    T* operator()(const T* object) const {
        const auto found = moves_.find(object);
        return found == moves_.end() ? nullptr : static_cast<T*>(found->second);
    }

    // The entries of objects still on the map, under their copies.
    template <class T, class Value>
    std::map<const T*, Value> Rekeyed(const std::map<const T*, Value>& entries) const {
        std::map<const T*, Value> moved;
        for (const auto& [object, value] : entries) {
            if (const T* copy = (*this)(object)) moved.emplace(copy, value);
        }
        return moved;
    }
    template <class T>
    std::set<const T*> Rekeyed(const std::set<const T*>& objects) const {
        std::set<const T*> moved;
        for (const T* object : objects) {
            if (const T* copy = (*this)(object)) moved.insert(copy);
        }
        return moved;
    }

private:
    std::map<const MapObj*, MapObj*> moves_;
};

// The player's memory of a game, for its loaded copy.
PlayerMemory MovedMemory(const PlayerMemory& memory, const ObjectMoves& moved);

}  // namespace cv::autoplay
