#include "game/world/spell_teacher.h"

#include "game/model/game_ui.h"
#include "game/world/map_obj_messages.h"

namespace cv {

const MapObjFactory& SpellTeacher::Factory() const {
    return FindFactory("TeachSpell");
}

void SpellTeacher::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.I32(price_);
}

void SpellTeacher::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    price_ = in.I32();
}

bool SpellTeacher::Visit(RunningGame& game) {
    Ui().OpenScreenFor("TeachSpell", Ref<RefCounted>(this),
                       [self = Ref<SpellTeacher>(this),
                        keep = Ref<RunningGame>(&game)](const std::string& answer) {
                           if (answer == "OK") self->Teach(*keep);
                       });
    return true;
}

bool SpellTeacher::Teach(RunningGame& game) {
    Hero& hero = game.hero();
    if (hero.gold() < price_) return false;
    hero.AddGold(-price_);
    hero.SetCanUseSpells(true);
    RemoveFromContinent(game, *this);
    return true;
}

void DismissTeacherOfCaster(RunningGame& game) {
    Location* first = game.world().Get(0);
    if (!game.hero().canUseSpells() || !first) return;
    if (Ref<MapObj> teacher = first->FindObject("Velmire")) first->RemoveObject(teacher.get());
}

}  // namespace cv
