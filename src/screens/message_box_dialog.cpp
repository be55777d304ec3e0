#include "screens/message_box_dialog.h"

#include "core/language.h"
#include "core/name_list.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

constexpr int kButtonGap = 8;
constexpr int kScreenCentre = 320;

}  // namespace

std::string MessageButtonName(size_t index) {
    return "Button" + std::to_string(index);
}

MessageBoxDialog::MessageBoxDialog(GameMessage message, AnswerHandler then)
    : AnsweredDialog(std::move(then)),
      message_(std::move(message)),
      buttons_(SplitNameList(message_.buttons)) {
    // A box without buttons could never be closed.
    if (buttons_.empty()) buttons_.push_back("OK");
}

void MessageBoxDialog::onLoaded() {
    GuiElement* picture = findChild("Picture");
    if (GuiElement* text = findChild("Text")) {
        // A picture takes the left of the text's room.
        if (picture && !message_.picture.empty()) {
            const Rect room = text->bounds(), beside = picture->bounds();
            const int left = beside.x + beside.width + kButtonGap;
            text->setBounds({left, room.y, room.x + room.width - left, room.height});
        }
        const std::string justification =
            message_.justification.empty() ? "CC" : message_.justification;
        sendMessage(this, text, Message{"SetJustify", justification, 0, nullptr});
        text->setText(message_.text);
    }
    if (picture) sendMessage(this, picture, Message{"SetImage", message_.picture, 0, nullptr});
    placeButtons();
}

// The form holds as many buttons as a box may need; those in use are centred.
void MessageBoxDialog::placeButtons() {
    std::vector<GuiElement*> shown;
    for (size_t i = 0;; ++i) {
        GuiElement* button = findChild(MessageButtonName(i));
        if (!button) break;
        button->setVisible(i < buttons_.size());
        if (i < buttons_.size()) {
            button->setText(GetText(buttons_[i]));
            shown.push_back(button);
        }
    }
    if (shown.empty()) return;
    const Rect first = shown.front()->bounds();
    const int row = static_cast<int>(shown.size()) * (first.width + kButtonGap) - kButtonGap;
    int x = kScreenCentre - row / 2;
    for (GuiElement* button : shown) {
        button->setBounds({x, first.y, first.width, first.height});
        x += first.width + kButtonGap;
    }
    setFocusTo(shown.front());
}

bool MessageBoxDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (message.text == MessageButtonName(i)) answer(buttons_[i]);
    }
    return true;
}

}  // namespace cv
