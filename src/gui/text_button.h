#pragma once

#include "gui/button.h"

namespace cv {

// A button that shows its text, justified, in the colour of its state.
class TextButton : public Button {
public:
    void paint() override;
};

// The check and radio boxes: a picture that shows whether the box is
// checked, then the text. A click tells the parent "RadioCheck"; the parent
// decides what is checked.
class CheckButton : public TextButton {
public:
    void paint() override;
    // "SetCheck" (non-zero checks, zero clears), then the button messages.
    bool onMessage(const Message& message) override;
    // "<prefix>on" while checked and enabled, else "<prefix>off".
    Ref<Sprite> getPicture() override;

    bool checked() const { return checked_; }

protected:
    explicit CheckButton(const char* picturePrefix) : picturePrefix_(picturePrefix) {}
    const char* notification() const override { return "RadioCheck"; }

private:
    const char* picturePrefix_;
    bool checked_ = false;
};

class CheckBox : public CheckButton {
public:
    CheckBox() : CheckButton("Img\\STDGUI\\check_") {}
};

class RadioButton : public CheckButton {
public:
    RadioButton() : CheckButton("Img\\STDGUI\\radio_") {}
};

}  // namespace cv
