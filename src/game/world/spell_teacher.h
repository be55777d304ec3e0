#pragma once

#include "game/world/map_obj.h"

namespace cv {

// The teacher of spell casting ("TeachSpell"): sells the art for its price
// through the "TeachSpell" form, then leaves the continent.
class SpellTeacher : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Terr\\016"; }

    int price() const { return price_; }
    void SetPrice(int gold) { price_ = gold; }

private:
    int price_ = 0;
};

}  // namespace cv
