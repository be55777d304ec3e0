#pragma once

#include <SDL2/SDL_mixer.h>

#include <array>
#include <string>

#include "audio/audio_backend.h"

namespace cv {

// SDL_mixer's level (0 to MIX_MAX_VOLUME) of a level 0 to 100.
int MixerVolume(int level);

// Sounds and music through SDL_mixer. Without a sound device (none there,
// or SDL_AUDIODRIVER names one that cannot open) it says so in one line on
// standard error and stays silent. Sounds are loaded on first use; the
// music fades out and the next piece fades in, the moods with several
// pieces playing them in turn.
class SdlMixerAudio : public AudioBackend {
public:
    SdlMixerAudio() = default;
    ~SdlMixerAudio() override;
    SdlMixerAudio(const SdlMixerAudio&) = delete;
    SdlMixerAudio& operator=(const SdlMixerAudio&) = delete;

    // Starts the next piece once the mixer has reported the last one ended.
    void Update() override;
    // The device opened.
    bool open() const { return open_; }
    // The file of the piece playing now, empty when none is.
    const std::string& piece() const { return piece_; }

protected:
    void OnLoad(const std::string& folder) override;
    void PlaySound(SoundEvent event) override;
    void PlayMusic(MusicMood mood) override;
    void SetLevels(int sound, int music) override;

private:
    static void OnPieceEnded();
    Mix_Chunk* ChunkOf(SoundEvent event);
    // Frees the loaded sounds; a new table loads its own.
    void ForgetSounds();
    void StartNextPiece();
    void Close();

    bool open_ = false;
    std::string folder_;
    std::array<Mix_Chunk*, kSoundEventCount> chunks_{};
    std::array<bool, kSoundEventCount> unreadable_{};
    Mix_Music* music_ = nullptr;
    std::string piece_;
    MusicMood wanted_ = MusicMood::None;
    std::array<size_t, kMusicMoodCount> nextPiece_{};
};

}  // namespace cv
