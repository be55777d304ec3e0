#include "audio/audio_backend.h"

namespace cv {

void AudioBackend::Load(SoundTable table, const std::string& folder) {
    table_ = std::move(table);
    OnLoad(folder);
    SetLevels(settings_.SoundLevel(), settings_.MusicLevel());
}

void AudioBackend::Apply(const AudioSettings& settings) {
    settings_ = settings;
    SetLevels(settings_.SoundLevel(), settings_.MusicLevel());
    FollowMood();
}

void AudioBackend::Play(SoundEvent event) {
    if (settings_.SoundLevel() == 0) return;
    if (IsJingle(event)) SetMood(MusicMood::None);
    PlaySound(event);
}

void AudioBackend::PlayBlow(const std::string& unit, bool shot) {
    Play(table_.StrikeOf(unit, shot));
}

void AudioBackend::SetMood(MusicMood mood) {
    mood_ = mood;
    FollowMood();
}

MusicMood AudioBackend::Heard() const {
    return settings_.MusicLevel() > 0 ? mood_ : MusicMood::None;
}

void AudioBackend::FollowMood() {
    if (Heard() == playing_) return;
    playing_ = Heard();
    PlayMusic(playing_);
}

namespace {
AudioBackend*& Slot() {
    static AudioBackend* audio = nullptr;
    return audio;
}
}  // namespace

AudioBackend& Audio() {
    static SilentAudio silent;
    return Slot() ? *Slot() : silent;
}

void SetAudio(AudioBackend* audio) {
    Slot() = audio;
}

}  // namespace cv
