#pragma once

#include <string>

#include "gui/form.h"

namespace cv {

// A screen that shows dialogs over itself: the dialog on top takes all input
// until it closes; the ones below it wait their turn.
class DialogHost : public Form {
public:
    Ref<GuiElement> createWidget(const std::string& type) override;
    GuiElement* hitTest(Point point) override;
    bool onPointer(const PointerEvent& event) override;
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;
    // The common "Hide" button minimises the window.
    bool onMessage(const Message& message) override;

    // Shows the dialog on top of those already shown.
    void pushDialog(Ref<Form> dialog);
    // Shows the dialog in place of the one on top.
    void showDialog(Ref<Form> dialog);
    // The dialog on top, or null.
    Form* dialog() const;
    // After a change of language: the captions in the current language.
    virtual void refresh() {}

protected:
    // The screen's own input, when no dialog covers it.
    virtual bool onOwnPointer(const PointerEvent& event) { return Form::onPointer(event); }
    virtual bool onOwnKey(int key, bool down) { return Form::onKey(key, down); }
};

}  // namespace cv
