#pragma once

#include <string>

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// The text of "map.ini", in three parts: the opening of the "Maps" node, one
// section per continent, and the close with the hero's start in front of the
// king's gate. Every Y is written as 63 - b except the start's, 62 - b.
std::string MapIniOpening();
std::string ContinentSection(int index, const ContinentPlan& plan, const ContinentLayout& layout);
std::string MapIniClosing(const ContinentLayout& kingsContinent);

}  // namespace cv::mapgen
