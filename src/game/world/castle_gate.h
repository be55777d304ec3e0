#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/world/running_game.h"

namespace cv {

// One line of a gate list: a continent's translated name, or a place on it.
struct GateLine {
    std::u16string text;
    std::string target;  // the place's name; empty for a continent's line
};

// For every continent in index order its name, then the lines `placesOn`
// gives for its places.
std::vector<GateLine> GateList(
    const RunningGame& game,
    const std::function<void(const Location&, std::vector<GateLine>&)>& placesOn);

// For every continent in index order its name, then each castle the hero
// has visited as "<castle> (<ruler label>)".
std::vector<GateLine> CastleGateList(const RunningGame& game);

// Sends a hero who owns "CastleGateSpell" to the cell in front of the
// castle's gate, (X, Y - 1) kept inside the continent, or the nearest cell
// to it where he can stand; on foot if he was sailing; one spell is used up.
// False, with nothing changed, when he owns none or no continent has the
// castle (or a cell to stand on).
bool CastleGate(RunningGame& game, const std::string& castleName);

}  // namespace cv
