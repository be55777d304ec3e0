#include "screens/title_screen.h"

#include "app/app_core.h"
#include "audio/audio_backend.h"
#include "core/language.h"
#include "gui/dialog_form.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/credits_dialog.h"
#include "screens/hero_select_screen.h"
#include "screens/language_dialog.h"
#include "screens/load_game_dialog.h"
#include "screens/options_dialog.h"
#include "screens/screen_widgets.h"

namespace cv {
namespace {

// The logical key of the digit 0.
constexpr int kKeyDigit0 = 40;

const char* const kMenuButtons[] = {"New Game", "Load Game", "Cred", "Language", "Options", "Exit"};

template <class Dialog>
void ShowDialogFrom(const char* formName) {
    Ref<Dialog> dialog = MakeRef<Dialog>();
    loadForm(*dialog, formName);
    TitleScreen().showDialog(dialog);
}

}  // namespace

void TitleForm::onLoaded() {
    refresh();
}

void TitleForm::refresh() {
    for (const char* name : kMenuButtons) {
        if (GuiElement* button = findChild(name)) button->setText(GetText(name));
    }
    sendToChild(*this, "Fire", Message{"SetAnimationID", "TitleFire", 0, nullptr});
}

void TitleForm::Activate(bool active) {
    DialogHost::Activate(active);
    if (active) Audio().SetMood(MusicMood::Title);
}

bool TitleForm::onOwnKey(int key, bool down) {
    if (key == kKeyDigit0 && down) {
        ShowCredits();
        return true;
    }
    return DialogHost::onOwnKey(key, down);
}

bool TitleForm::onMessage(const Message& message) {
    if (message.name != "Button") return Form::onMessage(message);
    if (message.text == "New Game" && TheAppCore()) TheAppCore()->SetScreen(&SelectHeroScreen());
    if (message.text == "Load Game") ShowLoadGame(*this);
    if (message.text == "Cred") ShowCredits();
    if (message.text == "Language") ShowLanguageSelection();
    if (message.text == "Options") ShowOptions();
    if (message.text == "Exit" && TheAppCore()) TheAppCore()->Quit();
    return true;
}

void TitleForm::Update() {
    if (!creditsShown_) {
        creditsShown_ = true;
        ShowCredits();
    }
    Form::Update();
}

TitleForm& TitleScreen() {
    static const Ref<TitleForm> title = [] {
        Ref<TitleForm> form = MakeRef<TitleForm>();
        loadForm(*form, "Start");
        return form;
    }();
    return *title;
}

void ShowCredits() {
    ShowDialogFrom<CreditsDialog>("Cred");
}
void ShowLanguageSelection() {
    ShowDialogFrom<LanguageDialog>("LangSel");
}
void ShowOptions() {
    ShowDialogFrom<OptionsDialog>("Settings");
}

}  // namespace cv
