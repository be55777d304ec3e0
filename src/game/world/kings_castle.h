#pragma once

#include "game/world/map_obj.h"

namespace cv {

// The King's castle ("King"): the audience, the promotion and the King's
// recruiting, through the "CastleOfKing" form. The castle's own ground tiles
// show it on the map.
class KingsCastle : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
};

}  // namespace cv
