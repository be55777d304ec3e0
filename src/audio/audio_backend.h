#pragma once

#include <string>

#include "audio/audio_settings.h"
#include "audio/sound_event.h"
#include "audio/sound_table.h"

namespace cv {

// Plays the game's sounds and music. This level decides what is heard: no
// sound while sound is off or at volume 0, no music while music is; a
// jingle heard (victory, defeat) silences the music until the next mood. What a
// backend does with that is its own (the mixer, nothing, a log for tests).
class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // The table of what to play, its files under `folder` ("Sounds/...",
    // "Music/..."; ends in "/").
    void Load(SoundTable table, const std::string& folder);
    void Apply(const AudioSettings& settings);
    void Play(SoundEvent event);
    // The sound of a unit kind's blow: its strike, or its shot.
    void PlayBlow(const std::string& unit, bool shot);
    // The music follows the screen; the same mood again changes nothing.
    void SetMood(MusicMood mood);
    // Called on the main loop after each message: what the mixer reported
    // meanwhile (a piece that ended) is dealt with here.
    virtual void Update() {}

    const AudioSettings& settings() const { return settings_; }
    MusicMood mood() const { return mood_; }
    const SoundTable& table() const { return table_; }

protected:
    virtual void OnLoad(const std::string& folder) = 0;
    virtual void PlaySound(SoundEvent event) = 0;
    // Turns to the mood's music (from what plays now); None falls silent.
    virtual void PlayMusic(MusicMood mood) = 0;
    // Levels 0 to AudioSettings::kMaxVolume.
    virtual void SetLevels(int sound, int music) = 0;

private:
    MusicMood Heard() const;
    void FollowMood();

    SoundTable table_;
    AudioSettings settings_;
    MusicMood mood_ = MusicMood::None;
    MusicMood playing_ = MusicMood::None;
};

// Plays nothing: the game without a sound device, and the headless game.
class SilentAudio : public AudioBackend {
protected:
    void OnLoad(const std::string&) override {}
    void PlaySound(SoundEvent) override {}
    void PlayMusic(MusicMood) override {}
    void SetLevels(int, int) override {}
};

// The backend in use; a silent one until one is set (null sets it back).
AudioBackend& Audio();
void SetAudio(AudioBackend* audio);

}  // namespace cv
