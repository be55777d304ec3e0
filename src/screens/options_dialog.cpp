#include "screens/options_dialog.h"

#include "app/app_globals.h"
#include "core/language.h"
#include "core/settings.h"
#include "core/settings_file.h"
#include "gfx/animation.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "screens/title_screen.h"

namespace cv {
namespace {

bool Flipped() {
    return DisplayFlags() & kFlipScreen;
}

void SetFlipped(bool flipped) {
    if (flipped) {
        DisplayFlags() |= kFlipScreen;
    } else {
        DisplayFlags() &= ~kFlipScreen;
    }
    requestRedraw();
}

const char* OnOff(bool on) {
    return on ? "ON" : "OFF";
}

}  // namespace

void OptionsDialog::onLoaded() {
    flippedAtOpen_ = Flipped();
    animatedAtOpen_ = animated_ = !AnimationsDisabled();
    setTitle(GetText("Options"));
    setChildText("FlipScreen", GetText("Flip Screen"));
    setChildText("Animation", GetText("Animation"));
    setChildText("OK", GetText("OK"));
    showChecks();
}

void OptionsDialog::showChecks() {
    sendToChild(*this, "FlipScreen", Message{"SetCheck", "", Flipped() ? 1 : 0, nullptr});
    sendToChild(*this, "Animation", Message{"SetCheck", "", animated_ ? 1 : 0, nullptr});
}

bool OptionsDialog::onKey(int key, bool down) {
    // Leaving without OK keeps nothing, the turned screen included.
    if (down && isGuiKey(kRoleEsc, key)) SetFlipped(flippedAtOpen_);
    return ScreenDialog::onKey(key, down);
}

bool OptionsDialog::onMessage(const Message& message) {
    if (message.name == "RadioCheck") {
        if (message.text == "FlipScreen") SetFlipped(!Flipped());
        if (message.text == "Animation") animated_ = !animated_;
        showChecks();
        return true;
    }
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    apply();
    close();
    return true;
}

// Only what changed is written: the CFG keeps every other line as it was.
void OptionsDialog::apply() {
    const bool flipChanged = Flipped() != flippedAtOpen_;
    const bool animationChanged = animated_ != animatedAtOpen_;
    if (flipChanged) CfgSet("FlipScreen", OnOff(Flipped()));
    if (animationChanged) {
        AnimationsDisabled() = !animated_;
        CfgSet("Animation", OnOff(animated_));
        TitleScreen().refresh();
    }
    if (flipChanged || animationChanged) CfgSave();
}

}  // namespace cv
