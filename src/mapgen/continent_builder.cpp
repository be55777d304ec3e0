#include "mapgen/continent_builder.h"

#include "mapgen/coastline.h"
#include "mapgen/placements.h"
#include "mapgen/start_town.h"
#include "mapgen/terrain_classes.h"
#include "mapgen/tile_choice.h"
#include "platform/runtime_rand.h"

namespace cv::mapgen {

ContinentLayout BuildContinent(int index, unsigned seed) {
    platform::Srand(seed);
    const ContinentPlan& plan = ContinentPlans().at(index);
    ContinentLayout layout;
    PlaceCastles(plan, layout);
    RaiseLand(plan, layout);
    Erode(layout.grid, LandTarget(plan));
    RemoveThinWater(layout.grid);
    PlaceObjects(plan, layout);
    SpreadClasses(plan, layout.grid);
    FreeCastleGates(layout.grid);
    OpenAccess(layout);
    SmoothClasses(layout.grid);
    PlaceTowns(plan, layout);
    if (plan.HasKingsCastle()) BringATownToTheStart(layout);
    ReleaseReserved(layout.grid);
    ChooseTiles(layout.grid);
    return layout;
}

}  // namespace cv::mapgen
