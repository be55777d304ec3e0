#pragma once

#include <string>
#include <vector>

#include "audio/audio_backend.h"

namespace cv {

// Keeps what would be heard, in order, for tests to check: each sound by
// its name ("StrikeBlade") and each turn of the music as "music" and the
// mood ("music Battle"); the levels last set.
class RecordingAudio : public AudioBackend {
public:
    const std::vector<std::string>& log() const { return log_; }
    // The log's sounds alone, and its turns of the music alone (the moods' names).
    std::vector<std::string> Sounds() const;
    std::vector<std::string> Music() const;
    void Clear() { log_.clear(); }

    const std::string& folder() const { return folder_; }
    int soundLevel() const { return soundLevel_; }
    int musicLevel() const { return musicLevel_; }

protected:
    void OnLoad(const std::string& folder) override { folder_ = folder; }
    void PlaySound(SoundEvent event) override { log_.push_back(NameOf(event)); }
    void PlayMusic(MusicMood mood) override;
    void SetLevels(int sound, int music) override;

private:
    std::vector<std::string> log_;
    std::string folder_;
    int soundLevel_ = 0;
    int musicLevel_ = 0;
};

}  // namespace cv
