#include "screens/dialog_host.h"

#include "gui/dialog_form.h"
#include "gui/sub_form_host.h"
#include "screens/screen_widgets.h"

namespace cv {

Ref<GuiElement> DialogHost::createWidget(const std::string& type) {
    return CreateScreenWidget(type);
}

Form* DialogHost::dialog() const {
    for (auto it = children().rbegin(); it != children().rend(); ++it) {
        if (auto* shown = dynamic_cast<DialogForm*>(it->get())) return shown;
        // A frame of pages, like the hero's castle, is shown over the screen too.
        if (auto* frame = dynamic_cast<SubFormHost*>(it->get())) return frame;
    }
    return nullptr;
}

void DialogHost::pushDialog(Ref<Form> shown) {
    addChild(std::move(shown));
}

void DialogHost::showDialog(Ref<Form> shown) {
    if (Form* open = dialog()) removeChild(open);
    pushDialog(std::move(shown));
}

GuiElement* DialogHost::hitTest(Point point) {
    Form* open = dialog();
    return open ? open->hitTest(point) : Form::hitTest(point);
}

// Input may end the game this screen shows (a load, a new game) and with it
// the last other reference to the screen, so each handler keeps it alive.
bool DialogHost::onPointer(const PointerEvent& event) {
    Ref<DialogHost> self(this);
    Ref<Form> open(dialog());
    return open ? open->onPointer(event) : onOwnPointer(event);
}

bool DialogHost::onKey(int key, bool down) {
    Ref<DialogHost> self(this);
    Ref<Form> open(dialog());
    return open ? open->onKey(key, down) : onOwnKey(key, down);
}

bool DialogHost::onMessage(const Message& message) {
    return HideWindowOnRequest(message) || Form::onMessage(message);
}

bool DialogHost::onChar(char16_t ch) {
    Ref<DialogHost> self(this);
    Ref<Form> open(dialog());
    return open ? open->onChar(ch) : Form::onChar(ch);
}

}  // namespace cv
