#pragma once

#include "game/world/map_obj.h"

namespace cv {

// A boat ("Sail"): the hero boards it by stepping onto it. The one he rents
// is the game's rented boat (RunningGame::rentedBoat), restored as such.
class Boat : public MapObj {
public:
    const MapObjFactory& Factory() const override;
    // The base record, then 1 when this is the hero's rented boat, else 0.
    void Save(ChunkWriter& out) const override;
    void Load(ChunkReader& in, int version) override;
    bool Visit(RunningGame& game) override;
    uint32_t MapColor() const override { return 0xFFFFFF00u; }
    // "Img\Main\sail.Layer 1" while the hero is not sailing in it.
    std::string MapPicture(const RunningGame& game) const override;

    // Whether the save marked it as the hero's; the game reconnects it.
    bool rented() const { return rented_; }
    void SetRented(bool rented) { rented_ = rented; }

private:
    bool rented_ = false;
};

class World;

// Marks `object`, when it is a boat, as the hero's rented boat or not.
void MarkRentedBoat(MapObj* object, bool rented);
// The boat a restored game marks as the hero's, none without one.
Ref<MapObj> FindRentedBoat(const World& world);

}  // namespace cv
