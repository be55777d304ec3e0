#pragma once

#include <string>

#include "core/dispatcher.h"

namespace cv {

// What the player picks on the new-game screen before a game starts.
struct NewGameChoices {
    std::u16string heroName = u"Hero";
    std::string heroClass = "Knight";  // as in the rules' "StartHero"
    int sex = 0;                       // 1 for a heroine
    int difficulty = 1;                // the index of "HardLevels.%d"
};
NewGameChoices& TheNewGameChoices();

// Starts a game of the choices, played by `rules` (the packaged rules, with
// a random map set merged when the player asked for one), as the session in
// play: the continents, the days of the difficulty, the hero. The random map
// set, once in the rules, is dropped: its folder leaves the resources and its
// "map.ini" is deleted.
void StartNewGame(Ref<Dispatcher> rules);

}  // namespace cv
