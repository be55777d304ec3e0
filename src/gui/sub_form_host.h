#pragma once

#include <vector>

#include "gui/form.h"

namespace cv {

// A form that shows a stack of sub-forms inside itself, the top one as a
// child. Sub-forms ask for changes with messages to their parent:
// "NewSubForm" (the sender is pushed), "ChangeSubForm" (the top is replaced
// by the sender) and "Button" "Exit" (the top is popped; with none left the
// application goes back to the previous screen).
class SubFormHost : public Form {
public:
    bool onKey(int key, bool down) override;
    bool onMessage(const Message& message) override;

    // Where an empty stack returns to; none leaves the screen as it is.
    void setPreviousScreen(Screen* screen) { previousScreen_ = screen; }
    const std::vector<Ref<GuiElement>>& stack() const { return stack_; }

private:
    void push(const Ref<GuiElement>& subForm);
    void popTop();

    std::vector<Ref<GuiElement>> stack_;
    Screen* previousScreen_ = nullptr;
};

}  // namespace cv
