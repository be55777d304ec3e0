#pragma once

#include "screens/screen_widgets.h"

namespace cv {

// The options, form "Settings": the check boxes "FlipScreen" (turns the
// screen at once) and "Animation". "OK" applies what changed and writes it to
// the CFG; Esc closes and turns the screen back as it was.
class OptionsDialog : public ScreenDialog {
public:
    void onLoaded() override;
    bool onKey(int key, bool down) override;
    bool onMessage(const Message& message) override;

private:
    void showChecks();
    void apply();
    bool flippedAtOpen_ = false;
    bool animatedAtOpen_ = true;
    bool animated_ = true;
};

}  // namespace cv
