#pragma once

#include "mapgen/continent_plan.h"

namespace cv::mapgen {

// Reserves plain cells for the treasure spots (and the spell teacher on the
// king's continent) and the armies. A kind stops early only when no plain cell
// is left for it.
void PlaceObjects(const ContinentPlan& plan, ContinentLayout& layout);

// Towns are drawn after every other draw of the continent, so that a seed
// gives the same coast, objects and terrain whatever becomes of them. Each is
// reserved on plain land by the sea, where a boat can be put beside it, off
// the castle gates and where it cuts nothing off from the sea. Stops early
// only when no cell fits.
void PlaceTowns(const ContinentPlan& plan, ContinentLayout& layout);

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
