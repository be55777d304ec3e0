#include "screens/answered_dialog.h"

#include "gui/button.h"
#include "gui/gui_keys.h"

namespace cv {
namespace {

// The previous and next keys press the dialog's "Prev" and "Next" buttons
// (the continents of the map, the villains to take a contract on).
bool ClickStepButton(Form& form, int step) {
    if (step == 0) return false;
    auto* button = dynamic_cast<Button*>(form.findChild(step < 0 ? "Prev" : "Next"));
    if (!button || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
}

}  // namespace

bool AnsweredDialog::onKey(int key, bool down) {
    if (down && isGuiKey(kRoleEsc, key)) {
        answer(escAnswer());
        return true;
    }
    if (down && ClickStepButton(*this, PageStepOfKey(key))) return true;
    return ScreenDialog::onKey(key, down);
}

bool AnsweredDialog::onMessage(const Message& message) {
    if (message.name == "Button" && message.text == "Cancel") {
        answer("Cancel");
        return true;
    }
    return ScreenDialog::onMessage(message);
}

void AnsweredDialog::answer(const std::string& button) {
    Ref<AnsweredDialog> keep(this);
    AnswerHandler then = std::move(then_);
    then_ = nullptr;
    close();
    if (then) then(button);
}

}  // namespace cv
