#pragma once

#include "game/world/running_game.h"

namespace cv::autoplay {

// The villain under contract, none without one.
Villain* Contracted(const RunningGame& game);

// The continent his particulars name as where he was last seen: the first
// with a castle of his castle's name; -1 when he holds none.
int LastSeenContinent(const RunningGame& game, const Villain& villain);

// His castle, once the hero has seen where he sits; none before.
Castle* KnownLair(const RunningGame& game, const Villain& villain);

}  // namespace cv::autoplay
