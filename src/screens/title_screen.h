#pragma once

#include <string>

#include "gui/form.h"

namespace cv {

// The title screen, form "Start": the main menu over the castle. A dialog
// opened from it is shown over it and takes all input until it closes.
class TitleForm : public Form {
public:
    void onLoaded() override;
    Ref<GuiElement> createWidget(const std::string& type) override;
    GuiElement* hitTest(Point point) override;
    bool onPointer(const PointerEvent& event) override;
    // The key "0" shows the credits.
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;
    bool onMessage(const Message& message) override;
    // The first refresh after start-up shows the credits once.
    void Update() override;

    // Shows the dialog over the menu, in place of one shown before.
    void showDialog(Ref<Form> dialog);
    // The dialog shown now, or null.
    Form* dialog() const;
    // After a change of language or options: the captions in the current
    // language, the camp fire as the animation setting has it.
    void refresh();

private:
    bool creditsShown_ = false;
};

// The one title screen, read from its form file on first use.
TitleForm& TitleScreen();

// The dialogs of the title screen, each read afresh from its form file.
void ShowCredits();
void ShowLanguageSelection();
void ShowOptions();

}  // namespace cv
