#include "game/world/bonus_objects.h"

#include "core/language.h"
#include "game/world/map_obj_messages.h"

namespace cv {

const MapObjFactory& Teleporter::Factory() const {
    return FindFactory("Teleport");
}

void Teleporter::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.I32(target_.x);
    out.I32(target_.y);
}

void Teleporter::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    target_.x = in.I32();
    target_.y = in.I32();
}

// The target is the other circle's own cell: the hero arrives on it, on foot,
// and stepping off it again does not send him back.
bool Teleporter::Visit(RunningGame& game) {
    game.hero().SetTravelMode(TravelMode::kLand);
    game.PlaceHero(game.hero().continent(), target_);
    return true;
}

const MapObjFactory& MapRevealer::Factory() const {
    return FindFactory("ShowMap");
}

bool MapRevealer::Visit(RunningGame& game) {
    Ui().PlaySound(SoundEvent::Treasure);
    game.hero().SetCompleteMap(game.hero().continent());
    ShowThenRemove(game, *this,
                   {GetText("Your map of this area is complete"), "Img\\Inv\\A5", "OK", {}, {}});
    return false;
}

const MapObjFactory& ContinentMap::Factory() const {
    return FindFactory("NextMap");
}

void ContinentMap::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.StoredString(target_);
}

void ContinentMap::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    target_ = in.StoredString();
}

bool ContinentMap::Visit(RunningGame& game) {
    const Location& target = game.world().Find(target_);
    Ui().PlaySound(SoundEvent::Treasure);
    game.hero().AddKnownContinent(target.index());
    std::u16string text = GetText("You find map describing passage to <NAME>");
    ReplacePlaceholder(text, u"<NAME>", GetText(target.id()));
    ShowThenRemove(game, *this, {text, target.mapIcon(), "OK", {}, {}});
    return false;
}

}  // namespace cv
