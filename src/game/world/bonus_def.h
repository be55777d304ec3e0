#pragma once

#include <string>
#include <vector>

#include "core/dispatcher.h"

namespace cv {

// A continent's parameters for the objects generated on it and their treasure.
struct BonusDef {
    int teleports = 0;
    int showMap = 0;
    int recruitsMin = 0, recruitsMax = 0;
    int joinMin = 0, joinMax = 0;
    std::string nextMap;
    int goldWeight = 0;
    int incomeWeight = 0;
    int spellWeight = 0;
    int spellNumWeight = 0;
    int spellPowerWeight = 0;
    int incomeMax = 0, incomeMin = 0;
    int spellMax = 0, spellMin = 0;
    int spellPowerMax = 1, spellPowerMin = 1;
    int spellsCapMax = 1, spellsCapMin = 1;
    int leadMin = 2, leadMax = 10;
    int leadCost = 50;
    int leadFactor = 2;
    // Units the dwellings may hold ("Recruits"); never empty.
    std::vector<std::string> recruits = {"Peasants"};
    bool sampleReplacement = true;
    bool sortByDistance = false;

    // Reads a "BonusDef" node; missing keys keep their defaults.
    void Read(Dispatcher* node);
};

}  // namespace cv
