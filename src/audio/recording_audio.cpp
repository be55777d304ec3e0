#include "audio/recording_audio.h"

namespace cv {
namespace {

const std::string kMusicPrefix = "music ";

bool IsMusic(const std::string& entry) {
    return entry.compare(0, kMusicPrefix.size(), kMusicPrefix) == 0;
}

}  // namespace

std::vector<std::string> RecordingAudio::Sounds() const {
    std::vector<std::string> sounds;
    for (const std::string& entry : log_) {
        if (!IsMusic(entry)) sounds.push_back(entry);
    }
    return sounds;
}

std::vector<std::string> RecordingAudio::Music() const {
    std::vector<std::string> moods;
    for (const std::string& entry : log_) {
        if (IsMusic(entry)) moods.push_back(entry.substr(kMusicPrefix.size()));
    }
    return moods;
}

void RecordingAudio::PlayMusic(MusicMood mood) {
    log_.push_back(kMusicPrefix + NameOf(mood));
}

void RecordingAudio::SetLevels(int sound, int music) {
    soundLevel_ = sound;
    musicLevel_ = music;
}

}  // namespace cv
