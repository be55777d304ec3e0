#include "screens/credits_dialog.h"

#include "core/language.h"
#include "gfx/font_registry.h"
#include "gui/gui_message.h"

namespace cv {

void CreditsDialog::onLoaded() {
    setTitle(GetText("Credits"));
    setChildText("Cancel", GetText("Close"));
    for (const char* area : {"Game", "Art"}) {
        GuiElement* view = findChild(area);
        if (!view) continue;
        // The font first: the text is wrapped to the view's width as it is set.
        view->setFont(Ref<Font>(FindFont("Small")));
        sendMessage(this, view, Message{"SetJustify", "CT", 0, nullptr});
        view->setText(GetText(std::string("Credits.") + area));
    }
}

bool CreditsDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    close();
    return true;
}

}  // namespace cv
