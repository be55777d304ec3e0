#pragma once

#include <string>

namespace cv::autoplay {

// The rules of the game folder `folder` as the game reads them at start-up:
// the packages its CFG names, "cv.ini" (with the continents the build
// appended), and from it the units, spells, terrain kinds, the tactics map
// and the combat parameters. Read once; every game played after takes them.
// A folder without them is fatal, as for the game.
void LoadGameRules(const std::string& folder);

}  // namespace cv::autoplay
