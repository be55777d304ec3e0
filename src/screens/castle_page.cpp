#include "screens/castle_page.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "game/world/castle_garrison.h"
#include "gui/form_reader.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "screens/screen_widgets.h"

namespace cv {
namespace {

constexpr int kSlots = 5;

void ShowText(Form& form, const std::string& child, const std::u16string& text,
              const char* justification) {
    sendToChild(form, child, Message{"SetJustify", justification, 0, nullptr});
    if (GuiElement* element = form.findChild(child)) element->setText(text);
}

// The slot a squad's button stands for, -1 for any other button.
int SlotOfButton(const std::string& button) {
    if (button.size() != 5 || button.rfind("Item", 0) != 0) return -1;
    const int slot = button[4] - '0';
    return slot >= 0 && slot < kSlots ? slot : -1;
}

}  // namespace

Ref<CastlePage> CastlePage::Open(Kind kind, Ref<Castle> castle, Ref<Hero> hero) {
    auto page = MakeRef<CastlePage>(kind, std::move(castle), std::move(hero));
    loadForm(*page, kind == Kind::kGarrison ? "CastleGarrison" : "CastleRemove");
    return page;
}

Ref<GuiElement> CastlePage::createWidget(const std::string& type) {
    return CreateScreenWidget(type);
}

void CastlePage::onLoaded() {
    const bool garrison = kind_ == Kind::kGarrison;
    ShowText(*this, "Castle", castle_->DisplayName(), "CC");
    ShowText(*this, "Prompt",
             GetText(garrison ? "Select army to garrison" : "Select army to remove"), "CC");
    ShowText(*this, "Switch", GetText(garrison ? "Remove" : "Garrison"), "CC");
    ShowText(*this, "Exit", GetText("Click to return into game"), "CC");
    sendToChild(*this, "GoldInfo", Message{"SetAnimationID", "TmpGold", 0, nullptr});
    showSquads();
}

void CastlePage::showSquads() {
    for (int slot = 0; slot < kSlots; ++slot) {
        const GarrisonButton offer = kind_ == Kind::kGarrison
                                         ? GarrisonOffer(*hero_, *castle_, slot)
                                         : RemoveOffer(*hero_, *castle_, slot);
        const std::string button = Numbered("Item", slot);
        ShowText(*this, button, offer.label, "CC");
        if (GuiElement* element = findChild(button)) element->setEnabled(offer.enabled);
    }
    std::u16string gold = GetText("GP=<N>");
    ReplacePlaceholder(gold, u"<N>", GroupedNumber(hero_->gold()));
    ShowText(*this, "GP", gold, "RC");
}

void CastlePage::moveSquad(int slot) {
    const bool moved = kind_ == Kind::kGarrison ? Garrison(*hero_, *castle_, slot)
                                                : Remove(*hero_, *castle_, slot);
    if (moved) showSquads();
}

// The castle replaces this page by the other one.
void CastlePage::switchPage() {
    const Ref<CastlePage> other =
        Open(kind_ == Kind::kGarrison ? Kind::kRemove : Kind::kGarrison, castle_, hero_);
    if (parent()) sendMessage(other.get(), parent(), Message{"ChangeSubForm", "", 0, nullptr});
}

// Either page is the other's previous and next.
bool CastlePage::onKey(int key, bool down) {
    if (!down || PageStepOfKey(key) == 0) return Form::onKey(key, down);
    Ref<CastlePage> keep(this);
    switchPage();
    return true;
}

bool CastlePage::onMessage(const Message& message) {
    if (message.name != "Button") return Form::onMessage(message);
    Ref<CastlePage> keep(this);
    if (message.text == "Exit") return parent() && sendMessage(this, parent(), message);
    if (message.text == "Switch") {
        switchPage();
        return true;
    }
    const int slot = SlotOfButton(message.text);
    if (slot < 0) return Form::onMessage(message);
    moveSquad(slot);
    return true;
}

}  // namespace cv
