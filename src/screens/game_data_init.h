#pragma once

#include "core/dispatcher.h"

namespace cv {

// The game data, brought up after the language: the random seed, the fonts
// "Default" ("Fonts\arial.fnm") and "Small" ("Fonts\small.fnm"), the rules
// "cv.ini" parsed into a fresh Root, the animation switch (CFG "Animation" =
// "OFF" turns animations off), the animation table "anim.ini", then from the
// rules the units, the villains' portraits, the spells, the terrains, the
// tactics map and the combat parameters, and last the command keys of the
// CFG. A missing resource or a syntax error is fatal.
void InitGameData();

// A fresh tree of the packaged rules "cv.ini", for one game to play by.
Ref<Dispatcher> PackagedRules();

}  // namespace cv
