#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// Reserves plain cells for the treasure spots (and the spell teacher on the
// king's continent), the armies and the towns; towns stand on the coast so
// that a boat can be put beside them. A kind stops early only when no plain
// cell is left for it.
void PlaceObjects(const ContinentPlan& plan, ContinentLayout& layout);

// The castle cell below each castle's middle row has no castle beside it:
// it becomes plain land, the gate.
void FreeCastleGates(MapGrid& grid);

// Cuts a way through mountains and forest from every object and castle gate
// that cannot reach the sea over plain land and swamp.
void OpenAccess(ContinentLayout& layout);

// True when the sea can be reached from `start` over plain land and swamp
// (the start itself may be reserved), stepping in all eight directions.
bool ReachesSea(const MapGrid& grid, GridPos start);

// Reserved cells go back to plain land.
void ReleaseReserved(MapGrid& grid);

}  // namespace cv::mapgen
