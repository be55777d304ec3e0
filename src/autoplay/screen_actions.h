#pragma once

#include <string>

#include "autoplay/player_memory.h"
#include "game/world/running_game.h"

namespace cv::autoplay {

// How a game ended, as its last screen told.
enum class Ending { kNone, kWon, kLost };

// Uses the screen the rules opened as a player would: each form's buttons
// become the rules' calls that form makes (a town's services, a dwelling's
// recruits, the King's audience and recruiting, the choice of a contract or
// a continent), and the answer is the one the form closes with. A screen no
// player meets is a std::logic_error.
std::string UseScreen(RunningGame& game, PlayerMemory& memory, const std::string& name,
                      const Ref<RefCounted>& subject, Ending& ending);

}  // namespace cv::autoplay
