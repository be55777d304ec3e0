#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "autoplay/army_estimate.h"
#include "game/model/cell.h"

namespace cv {
class Castle;
class MapObj;
class Town;
}  // namespace cv

namespace cv::autoplay {

// What the player has learned and means to do, kept for one game. Objects
// are remembered by address only to look them up, never to walk in order.
struct PlayerMemory {
    // Garrisons as the towns' news listed them.
    std::map<const Castle*, SeenArmy> castleNews;
    // Armies as the scouts reported them.
    std::map<const MapObj*, SeenArmy> sightings;
    // Dwellings left empty, until the week of their unit.
    std::set<const MapObj*> emptyDwellings;
    // Towns that have no water beside them for a boat.
    std::set<const Town*> noBoatTowns;
    // Cells searched in vain, by continent.
    std::set<std::pair<int, std::pair<int, int>>> searched;

    // What the next screens are for.
    bool wantBoat = false;
    // Gold is kept for siege weapons: the army would do for the hunt.
    bool savingForWeapons = false;
    int sailTo = -1;
    std::string spellToCast;
    // The object the hero is stepping into, whose report comes next.
    const MapObj* approaching = nullptr;

    bool Searched(int continent, Cell cell) const {
        return searched.count({continent, {cell.x, cell.y}}) > 0;
    }
};

// The questions the player has asked for himself: each answered yes once.
struct Intentions {
    bool attack = false;
    bool laySiege = false;
    bool search = false;
    bool giveUp = false;
    bool dismiss = false;
};

}  // namespace cv::autoplay
