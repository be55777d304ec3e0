#include "game/world/dwelling.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/model/hero.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"
#include "game/world/running_game.h"

namespace cv {
namespace {

// The form answers a count; anything else takes nothing.
int CountOf(const std::string& answer) {
    int count = 0;
    std::from_chars(answer.data(), answer.data() + answer.size(), count);
    return count;
}

}  // namespace

const MapObjFactory& Dwelling::Factory() const {
    return FindFactory("Recr");
}

void Dwelling::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.StoredString(unit_);
    out.I32(available_);
}

void Dwelling::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    unit_ = in.StoredString();
    available_ = in.I32();
}

void Dwelling::Setup(Location& location, const std::string& unitId) {
    const Ref<SquadDef> unit = Units().UnitById(unitId);
    unit_ = unitId;
    const int ground = Units().SourceById(unit->source).terrain;
    if (ground >= 0) location.SetTerrain(cell(), ground);
    available_ = unit->available;
}

bool Dwelling::Visit(RunningGame& game) {
    Ui().OpenScreenFor("Warriors", Ref<RefCounted>(this),
                       [self = Ref<Dwelling>(this), hero = Ref<Hero>(&game.hero())](
                           const std::string& answer) { self->Recruit(*hero, CountOf(answer)); });
    return true;
}

void Dwelling::OnNewWeek(RunningGame& game) {
    if (game.time().unitOfWeek() != unit_) return;
    if (const SquadDef* unit = Units().FindUnit(unit_)) available_ = unit->available;
}

std::u16string Dwelling::Caption() const {
    const SquadDef* unit = Units().FindUnit(unit_);
    return GetText(unit ? unit->source : std::string()) + u":" + GetText(unit_);
}

RecruitOffer Dwelling::Offer(const Hero& hero) const {
    const SquadDef& unit = *Units().UnitById(unit_);
    const Army& army = hero.army();
    RecruitOffer offer;
    offer.available = available_;
    const int64_t controlled = MaxControllable(unit, hero.EffectiveLeadership());
    offer.limit = ClampToInt(std::max<int64_t>(controlled - army.TotalOf(unit_), 0));
    const int affordable =
        unit.cost > 0 ? hero.gold() / unit.cost : std::numeric_limits<int32_t>::max();
    offer.armyFull = !army.CanTake(unit_);
    if (!offer.armyFull) offer.most = std::max(std::min({available_, offer.limit, affordable}), 0);
    return offer;
}

void Dwelling::Recruit(Hero& hero, int count) {
    count = std::min(count, Offer(hero).most);
    if (count <= 0) return;
    hero.army().Merge(unit_, count);
    hero.AddGold(-MulDiv(Units().UnitById(unit_)->cost, count, 1));
    available_ -= count;
}

}  // namespace cv
