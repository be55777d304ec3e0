#pragma once

#include <array>
#include <optional>
#include <vector>

#include "mapgen/map_grid.h"

namespace cv::mapgen {

// How one continent is made. Percentages are whole numbers 0..100.
struct ContinentPlan {
    int towns;
    int number;  // 1 marks the continent of the king's castle
    int landPercent;
    int treasureSpots;
    int armies;
    int classAPercent;
    int classBPercent;
    int classCPercent;

    bool HasKingsCastle() const { return number == 1; }
    int CastleCount() const { return towns + (HasKingsCastle() ? 1 : 0); }
};

constexpr int kContinentCount = 4;
const std::array<ContinentPlan, kContinentCount>& ContinentPlans();

// Land cells to keep out of the 58 x 58 inner square.
int LandTarget(const ContinentPlan& plan);
// Cells of a class to aim for out of `landCount`.
int ClassTarget(int percent, int landCount);

// What a continent ends up with: its tiles and where its objects stand.
struct ContinentLayout {
    MapGrid grid;
    std::vector<GridPos> castles;  // centres; the king's castle last
    std::vector<GridPos> towns;
    std::vector<GridPos> treasureSpots;
    std::optional<GridPos> spellTeacher;  // only beside the king's castle
    std::vector<GridPos> armies;
};

}  // namespace cv::mapgen
