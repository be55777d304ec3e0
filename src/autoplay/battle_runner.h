#pragma once

#include <functional>
#include <string>

#include "game/model/game_ui.h"
#include "game/world/running_game.h"

namespace cv::autoplay {

// What a battle needs from whoever watches it.
struct BattleWatch {
    // Answers the oldest message the battle has shown; false when none waits.
    std::function<bool()> answerOne;
    // Asked at the start of each round: the player gives up now.
    std::function<bool(int round)> givesUp;
};

// Fights the hero's army against `enemy` with the game's computer player on
// the hero's side too, tick by tick as the battle screen would, without
// drawing; a siege when `victoryText` is set. The battle's messages are
// answered as they come; a player who gives up asks the tactics menu.
// Throws std::logic_error for a battle that neither ends nor is given up.
BattleOutcome FightOut(RunningGame& game, Ref<Army> enemy,
                       std::function<std::u16string(std::u16string)> victoryText,
                       const BattleWatch& watch);

}  // namespace cv::autoplay
