#pragma once

#include <string>
#include <vector>

#include "game/model/villain.h"

namespace cv {

class RunningGame;

// A new game's villains into castles of their "Continent", in villain order:
// each takes a random castle that can host him, and its garrison becomes his
// army. Fatal "Invalid Continent ID: %s", and "Not enought castles for
// Villains in %s" when no castle of the continent is left for him.
void PlaceVillains(RunningGame& game);

// Beaten without the contract, he flees from `castleLeft` into a random
// castle of any continent that can host him (the hero's too) and takes its
// garrison as his army, "Peasants:20" when it holds nobody; nowhere to go
// leaves him without castle, keeping his army. Either way he is unseen.
void Escape(RunningGame& game, Villain& villain, const std::string& castleLeft);

// Beaten under contract: he is the hero's, with his "Reward".
void Catch(RunningGame& game, Villain& villain);

// His name, alias, reward, the continent he was last seen on and his castle
// ("Unknown" until the hero has seen it), one a line.
std::u16string InfoPage1(const RunningGame& game, const Villain& villain);
// His distinguishing features and crimes.
std::u16string InfoPage2(const Villain& villain);

// What a town offers: the five smallest rewards among the villains still
// free, smallest first; equal rewards keep villain order.
std::vector<Ref<Villain>> ContractCandidates(const RunningGame& game);

}  // namespace cv
