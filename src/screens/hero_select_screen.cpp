#include "screens/hero_select_screen.h"

#include "app/app_core.h"
#include "core/language.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/new_game.h"
#include "screens/new_game_screen.h"
#include "screens/title_screen.h"

namespace cv {
namespace {

void ShowScreen(Screen& screen) {
    if (TheAppCore()) TheAppCore()->SetScreen(&screen);
}

}  // namespace

const char* const kHeroClasses[4] = {"Knight", "Paladin", "Sorceress", "Barbarian"};

void SelectHeroForm::onLoaded() {
    sendToChild(*this, "Status", Message{"SetJustify", "CC", 0, nullptr});
    refresh();
}

void SelectHeroForm::refresh() {
    if (GuiElement* status = findChild("Status")) status->setText(GetText("Select your Hero"));
    for (const char* heroClass : kHeroClasses) {
        if (GuiElement* button = findChild(heroClass)) button->setText(GetText(heroClass));
    }
    if (GuiElement* exit = findChild("Exit")) exit->setText(GetText("Exit"));
}

void SelectHeroForm::Activate(bool active) {
    if (active) refresh();
    DialogHost::Activate(active);
}

bool SelectHeroForm::onMessage(const Message& message) {
    if (message.name != "Button") return DialogHost::onMessage(message);
    if (message.text == "Exit") ShowScreen(TitleScreen());
    for (const char* heroClass : kHeroClasses) {
        if (message.text != heroClass) continue;
        NewGameChoices& choices = TheNewGameChoices();
        choices.heroClass = heroClass;
        choices.sex = message.text == "Sorceress" ? 1 : 0;
        ShowScreen(NewGameScreen());
    }
    return true;
}

SelectHeroForm& SelectHeroScreen() {
    static const Ref<SelectHeroForm> screen = [] {
        Ref<SelectHeroForm> form = MakeRef<SelectHeroForm>();
        loadForm(*form, "SelectHero");
        return form;
    }();
    return *screen;
}

}  // namespace cv
