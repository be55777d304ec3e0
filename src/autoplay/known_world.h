#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/world/running_game.h"

namespace cv::autoplay {

// A continent as the player has seen it: the cells he has explored (all of
// them once he holds its complete map) and the objects standing there. What
// lies under the fog is neither read nor guessed.
class KnownWorld {
public:
    KnownWorld(const RunningGame& game, int continent);

    // Asked for every cell of every route search: kept inline.
    int continent() const { return continent_; }
    bool IsKnown(Cell cell) const {
        return IsOnContinent(cell) && terrain_[IndexOf(cell)] != kUnknown;
    }
    // The terrain kind of a known cell; -1 for a cell not known or off the map.
    int TerrainAt(Cell cell) const {
        return IsOnContinent(cell) ? terrain_[IndexOf(cell)] : kUnknown;
    }
    // Flags of a known cell's terrain; none for a cell not known.
    bool Has(Cell cell, TerrainFlag flag) const {
        return IsOnContinent(cell) && (flags_[IndexOf(cell)] & flag) != 0;
    }
    // The object seen on the cell, none where nothing is seen.
    MapObj* ObjectAt(Cell cell) const {
        return IsOnContinent(cell) ? objectAt_[IndexOf(cell)] : nullptr;
    }
    // Every object standing on a known cell, in the continent's order.
    const std::vector<Ref<MapObj>>& objects() const { return objects_; }
    // A known cell with some unknown neighbour on the map.
    bool IsFrontier(Cell cell) const;
    int KnownCells() const { return knownCells_; }

private:
    static int IndexOf(Cell cell) { return cell.y * kContinentSize + cell.x; }

    static constexpr int kCells = kContinentSize * kContinentSize;
    static constexpr int kUnknown = -1;

    int continent_;
    int knownCells_ = 0;
    std::vector<Ref<MapObj>> objects_;
    // Per cell: the terrain kind, kUnknown under the fog; its flags; the object seen.
    std::array<int8_t, kCells> terrain_;
    std::array<uint8_t, kCells> flags_ = {};
    std::array<MapObj*, kCells> objectAt_ = {};
};

}  // namespace cv::autoplay
