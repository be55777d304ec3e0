#include "screens/spell_list_dialog.h"

#include "core/language.h"
#include "gui/gui_message.h"

namespace cv {

void SpellListDialog::onLoaded() {
    setTitle(title_);
    for (int line = 0; line < kLines; ++line) {
        if (GuiElement* button = findChild(linePrefix_ + std::to_string(line))) {
            button->setVisible(false);
        }
    }
    for (const SpellListItem& item : items_) {
        sendToChild(*this, item.widget, Message{"SetJustify", "CC", 0, nullptr});
        setChildText(item.widget, item.text);
        if (GuiElement* button = findChild(item.widget)) button->setVisible(true);
    }
    if (section_) setChildText(section_->widget, section_->caption);
    setChildText("Cancel", GetText("Cancel"));
}

bool SpellListDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    if (section_ && message.text == section_->widget) {
        if (section_->touched) section_->touched();
        return true;
    }
    for (const SpellListItem& item : items_) {
        if (message.text == item.widget) {
            answer(item.spellId);
            return true;
        }
    }
    answer("Cancel");
    return true;
}

}  // namespace cv
