#include "game/world/castle_garrison.h"

#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/int_math.h"

namespace cv {
namespace {

std::u16string SquadLabel(const char* textId, const Squad& squad, int n) {
    std::u16string text = GetText(textId);
    ReplacePlaceholder(text, u"<UNIT>", GetText(squad.kind().id));
    ReplacePlaceholder(text, u"<N>", n);
    return text;
}

GarrisonButton NotAvailable() {
    return {GetText("N/A"), 0, false};
}

bool GarrisonTakes(const Castle& castle, const std::string& unitId) {
    return !castle.garrison() || castle.garrison()->CanTake(unitId);
}

}  // namespace

GarrisonButton GarrisonOffer(const Hero& hero, const Castle& castle, int slot) {
    const Ref<Squad> squad = hero.army().At(slot);
    if (!squad) return NotAvailable();
    const int cost = ClampToInt(squad->WeeklyPay());
    const bool enabled = cost <= hero.gold() && GarrisonTakes(castle, squad->kind().id) &&
                         hero.army().SquadCount() >= 2;
    return {SquadLabel("<UNIT>: <N> gold", *squad, cost), cost, enabled};
}

bool Garrison(Hero& hero, Castle& castle, int slot) {
    const GarrisonButton offer = GarrisonOffer(hero, castle, slot);
    if (!offer.enabled) return false;
    const Ref<Squad> squad = hero.army().At(slot);
    if (!castle.garrison()) castle.SetGarrison(MakeRef<Army>());
    hero.AddGold(-offer.cost);
    castle.garrison()->Merge(squad->kind().id, squad->count());
    hero.army().RemoveSlot(slot);
    return true;
}

GarrisonButton RemoveOffer(const Hero& hero, const Castle& castle, int slot) {
    const Ref<Squad> squad = castle.garrison() ? castle.garrison()->At(slot) : nullptr;
    if (!squad) return NotAvailable();
    return {SquadLabel("<UNIT>: <N>", *squad, squad->count()), 0,
            hero.army().CanTake(squad->kind().id)};
}

bool Remove(Hero& hero, Castle& castle, int slot) {
    if (!RemoveOffer(hero, castle, slot).enabled) return false;
    const Ref<Squad> squad = castle.garrison()->At(slot);
    hero.army().Merge(squad->kind().id, squad->count());
    castle.garrison()->RemoveSlot(slot);
    const Ref<Squad> joined = hero.army().Find(squad->kind().id);
    if (IsOutOfControl(*joined, hero.EffectiveLeadership())) {
        WarnOutOfControl(hero.army(), hero.EffectiveLeadership());
    }
    return true;
}

}  // namespace cv
