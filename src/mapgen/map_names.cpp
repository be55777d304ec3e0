#include "mapgen/map_names.h"

#include <array>

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

const ContinentNames& NamesOf(int index) {
    static const std::array<ContinentNames, kContinentCount> names = {{
        {"Thornmere",
         {{"Brackwater", "Grimspire"},
          {"Hollowmere", "Blackfang"},
          {"Emberlyn", "Stormkeep"},
          {"Cinderford", "Duskhold"},
          {"Marrowick", "Ironcrag"},
          {"Tallowvale", "Wolfsbane"},
          {"Quillham", "Redmantle"},
          {"Ravensholt", "Frostgate"},
          {"Saltmarsh", "Thornwall"},
          {"Wrenfield", "Shadowmoor"},
          {"Oakhallow", "Gallowrock"}}},
        {"Ashfall",
         {{"Cindervale", "Pyrecrest"},
          {"Smokeholm", "Soothold"},
          {"Ashby", "Flamereach"},
          {"Kilnmoor", "Blazemont"},
          {"Embergate", "Scorchkeep"},
          {"Charwick", "Ashtower"}}},
        {"Duskmarch",
         {{"Gloamwick", "Vesperhold"},
          {"Nightbrook", "Gloomspire"},
          {"Fenhollow", "Nightfang"},
          {"Mirefield", "Twilkeep"},
          {"Umberton", "Duskwall"},
          {"Shadeford", "Murkhaven"}}},
        {"Galdris",
         {{"Galdport", "Crystalkeep"}, {"Stonereach", "Starhelm"}, {"Highbarrow", "Skyreach"}}},
    }};
    return names.at(index);
}

}  // namespace cv::mapgen
