#pragma once

#include <string>

#include "game/world/running_game.h"

namespace cv {

// What the player picks on the new-game screen before a game starts.
struct NewGameChoices {
    std::u16string heroName = u"Hero";
    std::string heroClass = "Knight";  // as in the rules' "StartHero"
    int sex = 0;                       // 1 for a heroine
    int difficulty = 1;                // the index of "HardLevels.%d"
};
NewGameChoices& TheNewGameChoices();

// The game being played; null before the first game starts.
RunningGame* CurrentGame();
void SetCurrentGame(Ref<RunningGame> game);

// Starts a game from the choices and makes it current: the continents, the
// days of the difficulty, the hero. The random map set, once merged into the
// rules, is dropped: its folder leaves the resources and its "map.ini" is
// deleted.
void StartNewGame();

}  // namespace cv
