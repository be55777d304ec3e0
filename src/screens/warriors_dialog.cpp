#include "screens/warriors_dialog.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"
#include "gui/gui_message.h"
#include "screens/screen_subject.h"

namespace cv {
namespace {

constexpr uint32_t kUnitNameColour = 0xFFFFFF00;
constexpr uint32_t kTermsColour = 0xFFDCDCDC;
constexpr const char* kTermsWidgets[] = {"AvailCount", "Cost", "GP", "Limit", "How"};

std::u16string WithNumber(const char* templ, int n) {
    std::u16string text = GetText(templ);
    ReplacePlaceholder(text, u"<N>", GroupedNumber(n));
    return text;
}

}  // namespace

void WarriorsDialog::onLoaded() {
    const SquadDef& unit = *Units().UnitById(dwelling_->unit());
    offer_ = dwelling_->Offer(*hero_);
    setChildText("Header", GetText("Click here to exit"), "CC");
    showUnit(unit);
    showTerms(unit);
    Form& form = *this;
    sendToChild(form, "Count", Message{"SetMinValue", "", 0, nullptr});
    sendToChild(form, "Count", Message{"SetMaxValue", "", offer_.most, nullptr});
    sendToChild(form, "Count", Message{"SetValue", "", 0, nullptr});
    showCount(0);
}

void WarriorsDialog::showUnit(const SquadDef& unit) {
    setChildText("Place", GetText(unit.source), "CC");
    setChildText("UnitName", GetText(unit.id) + u".", "RC");
    if (GuiElement* name = findChild("UnitName")) name->setColor(kColorNorm, kUnitNameColour);
    Form& form = *this;
    sendToChild(form, "Ground", Message{"SetImage", "Img\\Warriors\\" + unit.source, 0, nullptr});
    sendToChild(form, "Unit", Message{"SetAnimationID", unit.AnimationName(), 0, nullptr});
    sendToChild(form, "GoldInfo", Message{"SetAnimationID", "TmpGold", 0, nullptr});
}

// What stays the same whatever number is chosen.
void WarriorsDialog::showTerms(const SquadDef& unit) {
    for (const char* widget : kTermsWidgets) {
        if (GuiElement* terms = findChild(widget)) terms->setColor(kColorNorm, kTermsColour);
    }
    setChildText("Cost", WithNumber("Cost= <N> each", unit.cost), "LC");
    setChildText("Limit", WithNumber("You may recruit up to <N>", offer_.limit), "LC");
    setChildText("How", GetText("Recruit how many"), "RC");
    setChildText("Warning", offer_.armyFull ? GetText("Army Overflow") : u"", "CT");
}

void WarriorsDialog::showCount(int count) {
    count_ = count;
    const int cost = Units().UnitById(dwelling_->unit())->cost;
    setChildText("AvailCount", WithNumber("Available: <N>", offer_.available - count), "LC");
    setChildText("GP", WithNumber("GP=<N>", hero_->gold() - MulDiv(cost, count, 1)), "RC");
}

bool WarriorsDialog::onMessage(const Message& message) {
    if (message.name == "NumChanged") {
        showCount(message.number);
        return true;
    }
    if (message.name != "Button" || message.text != "Header") {
        return AnsweredDialog::onMessage(message);
    }
    answer(std::to_string(count_));
    return true;
}

Ref<Form> WarriorsScreen(RunningGame& game, Ref<RefCounted> dwelling, AnswerHandler then) {
    return MakeRef<WarriorsDialog>(SubjectOf<Dwelling>(dwelling, "Warriors"),
                                   Ref<Hero>(&game.hero()), std::move(then));
}

}  // namespace cv
