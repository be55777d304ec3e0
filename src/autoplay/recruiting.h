#pragma once

#include <string>

#include "game/model/king_castle.h"
#include "game/world/dwelling.h"
#include "game/world/running_game.h"

namespace cv::autoplay {

// Gold the hero may spend now: what he holds less what the coming week's
// pay and boat rent would take beyond the King's commission, less a week's
// rent for a boat while he has none, and less the price of siege weapons
// while he is `saving` for them. A recruit is reckoned at his cost and a
// week's pay.
int SpareGold(const RunningGame& game, bool saving);

// Siege weapons leave enough for the coming week and a boat.
bool AffordsSiegeWeapons(const RunningGame& game);

// Taking `count` more of the unit, in place of the squad in `replacedSlot`
// when that is not -1, leaves no squad of the army in low spirits that was
// not already. False when the army cannot take the unit then.
bool KeepsMorale(const Hero& hero, const std::string& unitId, int count, int replacedSlot = -1);

// The slot of the squad that fights least, -1 for an empty army.
int WeakestSlot(const Army& army);

// How many units the hero takes at the dwelling: as many as it offers and
// his spare gold pays for, none when they would spoil the army's morale.
int RecruitsAt(const RunningGame& game, const Dwelling& dwelling, bool saving);

// What the King's recruiting would cost, as KingRecruits asks of it.
int KingRecruitingCost(const RunningGame& game, bool saving);

// What the hero asks of the King's recruiting: the strongest rows first,
// each as far as the spare gold and the rules allow.
KingRecruitCounts KingRecruits(const RunningGame& game, bool saving);

}  // namespace cv::autoplay
