#include "gui/sub_form_host.h"

#include "app/app_core.h"
#include "gui/gui_keys.h"

namespace cv {

bool SubFormHost::onKey(int key, bool down) {
    if (Form::onKey(key, down)) return true;
    if (!down || !isGuiKey(kRoleEsc, key)) return false;
    // Esc is the top sub-form's "Exit" button: the sub-form hears it as if
    // the button had been clicked; without one the host pops the top itself.
    Form* top = stack_.empty() ? nullptr : dynamic_cast<Form*>(stack_.back().get());
    GuiElement* exit = top ? top->findChild("Exit") : nullptr;
    Message message{"Button", "Exit", 0, exit};
    Ref<SubFormHost> keep(this);
    return exit ? sendMessage(exit, exit->parent(), message) : onMessage(message);
}

bool SubFormHost::onMessage(const Message& message) {
    if (message.name == "NewSubForm") {
        if (!stack_.empty()) removeChild(stack_.back().get());
        push(message.sender);
        return true;
    }
    if (message.name == "ChangeSubForm") {
        popTop();
        push(message.sender);
        return true;
    }
    if (message.name == "Button" && message.text == "Exit") {
        popTop();
        if (!stack_.empty()) {
            addChild(stack_.back());
        } else if (previousScreen_ && TheAppCore()) {
            TheAppCore()->SetScreen(previousScreen_);
        }
        return true;
    }
    return Form::onMessage(message);
}

void SubFormHost::push(const Ref<GuiElement>& subForm) {
    if (!subForm) return;
    stack_.push_back(subForm);
    addChild(subForm);
}

void SubFormHost::popTop() {
    if (stack_.empty()) return;
    removeChild(stack_.back().get());
    stack_.pop_back();
}

}  // namespace cv
