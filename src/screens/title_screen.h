#pragma once

#include "screens/dialog_host.h"

namespace cv {

// The title screen, form "Start": the main menu over the castle. A dialog
// opened from it is shown over it and takes all input until it closes.
class TitleForm : public DialogHost {
public:
    void onLoaded() override;
    // The title's music plays while it is the screen.
    void Activate(bool active) override;
    bool onMessage(const Message& message) override;
    // The first refresh after start-up shows the credits once.
    void Update() override;
    // After a change of language or options: the captions in the current
    // language, the camp fire as the animation setting has it.
    void refresh() override;

protected:
    // The key "0" shows the credits.
    bool onOwnKey(int key, bool down) override;

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
