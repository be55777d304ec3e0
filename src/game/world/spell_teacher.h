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
    // Opens the form "TeachSpell", which answers "OK" to buy.
    bool Visit(RunningGame& game) override;
    std::string MapPicture(const RunningGame&) const override { return "Terr\\016"; }

    int price() const { return price_; }
    void SetPrice(int gold) { price_ = gold; }
    // With gold enough: pays, lets the hero cast spells and leaves the
    // continent; false, changing nothing, without.
    bool Teach(RunningGame& game);

private:
    int price_ = 0;
};

// At a new game, a hero whose class casts spells already has no use for the
// teacher "Velmire" of the first continent, who leaves it.
void DismissTeacherOfCaster(RunningGame& game);

}  // namespace cv
