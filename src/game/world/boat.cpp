#include "game/world/boat.h"

#include "game/world/running_game.h"

namespace cv {

const MapObjFactory& Boat::Factory() const {
    return FindFactory("Sail");
}

void Boat::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.U8(rented_ ? 1 : 0);
}

void Boat::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    rented_ = in.U8() == 1;
}

bool Boat::Visit(RunningGame& game) {
    game.PlaceHero(game.hero().continent(), cell());
    game.hero().SetTravelMode(TravelMode::kSail);
    return true;
}

// Under sail the hero's own picture is the boat.
std::string Boat::MapPicture(const RunningGame& game) const {
    if (game.hero().travelMode() == TravelMode::kSail) return {};
    return "Img\\Main\\sail.Layer 1";
}

void MarkRentedBoat(MapObj* object, bool rented) {
    if (auto* boat = dynamic_cast<Boat*>(object)) boat->SetRented(rented);
}

Ref<MapObj> FindRentedBoat(const World& world) {
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        if (!location) continue;
        for (const Ref<MapObj>& object : location->objects()) {
            const auto* boat = dynamic_cast<const Boat*>(object.get());
            if (boat && boat->rented()) return object;
        }
    }
    return nullptr;
}

}  // namespace cv
