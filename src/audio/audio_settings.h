#pragma once

namespace cv {

// The player's choice of sound and music, kept in the CFG as "Sound" and
// "Music" ("ON" or "OFF") and "SoundVolume" and "MusicVolume" (0 to 100).
struct AudioSettings {
    static constexpr int kMaxVolume = 100;

    bool soundOn = true;
    int soundVolume = 80;
    bool musicOn = true;
    int musicVolume = 60;

    // What is heard, 0 to kMaxVolume: nothing while switched off.
    int SoundLevel() const { return soundOn ? soundVolume : 0; }
    int MusicLevel() const { return musicOn ? musicVolume : 0; }
    bool operator==(const AudioSettings&) const = default;
};

// The CFG's values; a key that is missing or not understood keeps its
// default, a volume above 100 is taken as 100.
AudioSettings ReadAudioSettings();
// Sets the CFG keys whose values differ from `old` (the CFG is not saved).
void SetAudioSettings(const AudioSettings& settings, const AudioSettings& old);

}  // namespace cv
