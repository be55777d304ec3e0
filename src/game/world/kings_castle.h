#pragma once

#include "game/world/map_obj.h"

namespace cv {

// The King's castle ("King"): the audience, the promotion and the King's
// recruiting, through the "CastleOfKing" form.
class KingsCastle : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override;
};

}  // namespace cv
