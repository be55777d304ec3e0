#pragma once

namespace cv {

// The game data a title screen needs, brought up after the language: the
// random seed, the fonts "Default" ("Fonts\arial.fnm") and "Small"
// ("Fonts\small.fnm"), the rules "cv.ini" parsed into a fresh Root, the
// animation switch (CFG "Animation" = "OFF" turns animations off) and the
// animation table "anim.ini". A missing resource or a syntax error is fatal.
void InitGameData();

}  // namespace cv
