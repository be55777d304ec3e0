#include "screens/army_view_dialog.h"

#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/game_text.h"
#include "game/model/game_ui.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

// Widget names count the slots from 1.
std::string OfSlot(const char* prefix, int slot) {
    return Numbered(prefix, slot + 1);
}

std::u16string Filled(const char* templ, const std::u16string& value) {
    std::u16string text = GetText(templ);
    ReplacePlaceholder(text, u"<N>", value);
    return text;
}

std::u16string Filled(const char* templ, int value) {
    return Filled(templ, GroupedNumber(value));
}

// A value of the whole squad: one unit's times the count.
int OfSquad(int perUnit, const Squad& squad) {
    return MulDiv(perUnit, squad.count(), 1);
}

constexpr const char* kSquadWidgets[] = {"UnitBk", "UnitAnim", "Count", "Name", "InfoBk", "SL",
                                         "MV",     "Morale",   "Hit",   "Dmg",  "Cost",   "Dism"};

}  // namespace

void ArmyViewDialog::onLoaded() {
    setChildText("Header", GetText("Army:") + u"   " + GetText("Click here to exit"), "CC");
    for (int slot = 0; slot < kSlots; ++slot) showSlot(slot);
}

void ArmyViewDialog::showSlot(int slot) {
    const Ref<Squad> squad = hero_->army().At(slot);
    for (const char* widget : kSquadWidgets) {
        if (GuiElement* element = findChild(OfSlot(widget, slot))) {
            element->setVisible(squad && (dismissal_ || std::string(widget) != "Dism"));
        }
    }
    if (squad) showSquad(slot, *squad);
}

void ArmyViewDialog::showSquad(int slot, const Squad& squad) {
    const SquadDef& unit = squad.kind();
    sendToChild(*this, OfSlot("UnitBk", slot), Message{"SetImage", "Terr\\003", 0, nullptr});
    sendToChild(*this, OfSlot("UnitAnim", slot),
                Message{"SetAnimationID", unit.AnimationName(), 0, nullptr});
    sendToChild(
        *this, OfSlot("InfoBk", slot),
        Message{"SetColor", "", static_cast<int>(Units().SourceById(unit.source).colour), nullptr});
    setChildText(OfSlot("Count", slot), GroupedNumber(squad.count()), "CC");
    setChildText(OfSlot("Name", slot), GetText(unit.id), "LC");
    setChildText(OfSlot("SL", slot), Filled("SL: <N>", unit.skillLevel), "LC");
    setChildText(OfSlot("MV", slot), Filled("MV: <N>", unit.moves), "LC");
    const Morale morale = MoraleOf(hero_->army(), slot, hero_->EffectiveLeadership());
    std::u16string moraleText = GetText(MoraleName(morale));
    if (morale != Morale::kOutOfControl) {
        moraleText = GetText("Morale: <M>");
        ReplacePlaceholder(moraleText, u"<M>", GetText(MoraleName(morale)));
    }
    setChildText(OfSlot("Morale", slot), moraleText, "LC");
    setChildText(OfSlot("Hit", slot), Filled("HitPts: <N>", OfSquad(unit.hitPoints, squad)), "LC");
    const std::u16string damage = GroupedNumber(OfSquad(unit.meleeMin, squad)) + u"-" +
                                  GroupedNumber(OfSquad(unit.meleeMax, squad));
    setChildText(OfSlot("Dmg", slot), Filled("Damage: <N>", damage), "LC");
    setChildText(OfSlot("Cost", slot), Filled("G-Cost: <N>", OfSquad(unit.pay, squad)), "LC");
    setChildText(OfSlot("Dism", slot), GetText("Dismiss"), "CC");
    if (GuiElement* dismiss = findChild(OfSlot("Dism", slot))) {
        dismiss->setEnabled(hero_->army().SquadCount() > 1);
    }
}

bool ArmyViewDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    const std::string& button = message.text;
    if (button == "Header") {
        close();
        return true;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (button == OfSlot("Dism", slot)) {
            askDismiss(slot);
            return true;
        }
    }
    return ScreenDialog::onMessage(message);
}

void ArmyViewDialog::askDismiss(int slot) {
    const Ref<Squad> squad = hero_->army().At(slot);
    if (!dismissal_ || !squad || hero_->army().SquadCount() <= 1) return;
    std::u16string question = GetText("Are you sure to dismiss <UNIT> ?");
    ReplacePlaceholder(question, u"<UNIT>", GetText(squad->kind().id));
    Ui().ShowMessage({question, {}, "Yes,No", {}, {}},
                     [self = Ref<ArmyViewDialog>(this), squad](const std::string& answer) {
                         Army& army = self->hero_->army();
                         const int at = army.SlotOf(squad.get());
                         if (answer != "Yes" || at < 0 || army.SquadCount() <= 1) return;
                         army.RemoveSlot(at);
                         for (int i = 0; i < kSlots; ++i) self->showSlot(i);
                     });
}

bool ArmyViewDialog::onKey(int key, bool down) {
    if (down && isGuiKey(kRoleEsc, key)) {
        close();
        return true;
    }
    return ScreenDialog::onKey(key, down);
}

void ShowArmyView(DialogHost& host, Ref<Hero> hero, bool dismissal) {
    Ref<ArmyViewDialog> view = MakeRef<ArmyViewDialog>(std::move(hero), dismissal);
    loadForm(*view, "ArmyView");
    host.pushDialog(view);
}

}  // namespace cv
