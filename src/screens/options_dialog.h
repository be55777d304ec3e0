#pragma once

#include "audio/audio_settings.h"
#include "screens/screen_widgets.h"

namespace cv {

// The options, form "Settings": the check boxes "FlipScreen" (turns the
// screen at once) and "Animation"; "Sound" and "Music", each with its volume
// in ten steps ("SoundVolume", "MusicVolume"), heard at once. "OK" applies
// what changed and writes it to the CFG; Esc closes and puts the screen and
// the sound back as they were.
class OptionsDialog : public ScreenDialog {
public:
    static constexpr int kVolumeSteps = 10;

    void onLoaded() override;
    bool onKey(int key, bool down) override;
    bool onMessage(const Message& message) override;

private:
    void showChecks();
    void showVolume(const char* field, int volume);
    bool onAudioMessage(const Message& message);
    void apply();
    bool flippedAtOpen_ = false;
    bool animatedAtOpen_ = true;
    bool animated_ = true;
    AudioSettings audioAtOpen_;
    AudioSettings audio_;
    bool shown_ = false;
};

}  // namespace cv
