#pragma once

#include <functional>
#include <string>

#include "game/model/game_ui.h"
#include "game/world/running_game.h"

namespace cv {

// Takes the object off the continent it stands on.
void RemoveFromContinent(RunningGame& game, const MapObj& object);

// Shows the message of an object the hero takes with him; once the player
// has answered, `then` gets the answer and the object leaves its continent.
void ShowThenRemove(RunningGame& game, MapObj& object, const GameMessage& message,
                    AnswerHandler then = {});

}  // namespace cv
