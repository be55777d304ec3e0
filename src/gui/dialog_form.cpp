#include "gui/dialog_form.h"

#include "gui/gui_keys.h"

namespace cv {

bool DialogForm::onPointer(const PointerEvent& event) {
    Form::onPointer(event);
    return true;
}

bool DialogForm::onKey(int key, bool down) {
    Ref<DialogForm> keep(this);
    const bool handled = Form::onKey(key, down);
    if (!handled && down && closesOnEsc_ && isGuiKey(kRoleEsc, key) && parent()) {
        parent()->removeChild(this);
    }
    return true;
}

bool DialogForm::onChar(char16_t ch) {
    Form::onChar(ch);
    return true;
}

}  // namespace cv
