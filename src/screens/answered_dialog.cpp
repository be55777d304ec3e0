#include "screens/answered_dialog.h"

#include "gui/gui_keys.h"

namespace cv {

bool AnsweredDialog::onKey(int key, bool down) {
    if (down && isGuiKey(kRoleEsc, key)) {
        answer(escAnswer());
        return true;
    }
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
