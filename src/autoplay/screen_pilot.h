#pragma once

#include <string>

#include "autoplay/auto_game.h"

namespace cv::autoplay {

// The inputs (keys, taps, timer ticks) a game on the screens may take before
// it counts as stalled.
constexpr long kMostInputs = 2'000'000;

// A whole new game played by the computer player through the real game on
// the headless backend: the game folder `folder` (a copy of the built one,
// as the game writes its CFG and saves there), every frame drawn, the
// random sequence seeded with `seed`. His moves are the keys and taps a
// person gives: the arrow keys walk, the dialogs' buttons are tapped, the
// menu ends the week, searches and sails; in battle the game's computer
// player moves the hero's squads. Stops at the ending, or after `mostInputs`.
// `days` other than 0 replaces the difficulty's days, for a shorter game.
GameReport PlayGameOnScreens(const std::string& folder, const std::string& heroClass,
                             int difficulty, unsigned seed, int days = 0,
                             long mostInputs = kMostInputs);

}  // namespace cv::autoplay
