#include "screens/options_dialog.h"

#include "app/app_globals.h"
#include "audio/audio_backend.h"
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

// A volume of the CFG in the field's steps, to the nearest.
int StepOfVolume(int volume) {
    constexpr int kStep = AudioSettings::kMaxVolume / OptionsDialog::kVolumeSteps;
    return (volume + kStep / 2) / kStep;
}

}  // namespace

void OptionsDialog::onLoaded() {
    flippedAtOpen_ = Flipped();
    animatedAtOpen_ = animated_ = !AnimationsDisabled();
    setTitle(GetText("Options"));
    setChildText("FlipScreen", GetText("Flip Screen"));
    setChildText("Animation", GetText("Animation"));
    setChildText("Sound", GetText("Sound"));
    setChildText("Music", GetText("Music"));
    setChildText("OK", GetText("OK"));
    audioAtOpen_ = audio_ = Audio().settings();
    showVolume("SoundVolume", audio_.soundVolume);
    showVolume("MusicVolume", audio_.musicVolume);
    showChecks();
    shown_ = true;
}

void OptionsDialog::showVolume(const char* field, int volume) {
    sendToChild(*this, field, Message{"SetMinValue", "", 0, nullptr});
    sendToChild(*this, field, Message{"SetMaxValue", "", kVolumeSteps, nullptr});
    sendToChild(*this, field, Message{"SetValue", "", StepOfVolume(volume), nullptr});
}

void OptionsDialog::showChecks() {
    sendToChild(*this, "FlipScreen", Message{"SetCheck", "", Flipped() ? 1 : 0, nullptr});
    sendToChild(*this, "Animation", Message{"SetCheck", "", animated_ ? 1 : 0, nullptr});
    sendToChild(*this, "Sound", Message{"SetCheck", "", audio_.soundOn ? 1 : 0, nullptr});
    sendToChild(*this, "Music", Message{"SetCheck", "", audio_.musicOn ? 1 : 0, nullptr});
}

bool OptionsDialog::onKey(int key, bool down) {
    // Leaving without OK keeps nothing, the turned screen included.
    if (down && isGuiKey(kRoleEsc, key)) {
        SetFlipped(flippedAtOpen_);
        Audio().Apply(audioAtOpen_);
    }
    return ScreenDialog::onKey(key, down);
}

bool OptionsDialog::onMessage(const Message& message) {
    if (onAudioMessage(message)) return true;
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

// The sound follows each change at once, so the player hears what he chose.
bool OptionsDialog::onAudioMessage(const Message& message) {
    const bool check = message.name == "RadioCheck";
    if (check && message.text == "Sound") {
        audio_.soundOn = !audio_.soundOn;
    } else if (check && message.text == "Music") {
        audio_.musicOn = !audio_.musicOn;
    } else if (message.name == "NumChanged" && message.sender) {
        // The fields tell their first values too, before they are the player's.
        if (!shown_) return true;
        const bool sound = message.sender->name() == "SoundVolume";
        int& volume = sound ? audio_.soundVolume : audio_.musicVolume;
        // A volume between two steps stays as it is until its field moves.
        if (StepOfVolume(volume) != message.number) {
            volume = message.number * AudioSettings::kMaxVolume / kVolumeSteps;
        }
    } else {
        return false;
    }
    showChecks();
    Audio().Apply(audio_);
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
    const bool audioChanged = !(audio_ == audioAtOpen_);
    if (audioChanged) SetAudioSettings(audio_, audioAtOpen_);
    if (flipChanged || animationChanged || audioChanged) CfgSave();
}

}  // namespace cv
