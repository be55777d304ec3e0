#include "audio/audio_settings.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/settings.h"

namespace cv {
namespace {

constexpr const char* kSoundKey = "Sound";
constexpr const char* kSoundVolumeKey = "SoundVolume";
constexpr const char* kMusicKey = "Music";
constexpr const char* kMusicVolumeKey = "MusicVolume";

bool SwitchOf(const char* key, bool fallback) {
    if (!CfgHas(key)) return fallback;
    const std::string value = CfgGet(key, "");
    if (value == "ON") return true;
    if (value == "OFF") return false;
    return fallback;
}

int VolumeOf(const char* key, int fallback) {
    if (!CfgHas(key)) return fallback;
    const std::string value = CfgGet(key, "");
    if (value.empty() || value.size() > 9 ||
        value.find_first_not_of("0123456789") != std::string::npos) {
        return fallback;
    }
    return std::min(std::atoi(value.c_str()), AudioSettings::kMaxVolume);
}

void SetIfChanged(const char* key, bool value, bool old) {
    if (value != old) CfgSet(key, value ? "ON" : "OFF");
}

void SetIfChanged(const char* key, int value, int old) {
    if (value != old) CfgSet(key, std::to_string(value));
}

}  // namespace

AudioSettings ReadAudioSettings() {
    const AudioSettings defaults;
    AudioSettings settings;
    settings.soundOn = SwitchOf(kSoundKey, defaults.soundOn);
    settings.soundVolume = VolumeOf(kSoundVolumeKey, defaults.soundVolume);
    settings.musicOn = SwitchOf(kMusicKey, defaults.musicOn);
    settings.musicVolume = VolumeOf(kMusicVolumeKey, defaults.musicVolume);
    return settings;
}

void SetAudioSettings(const AudioSettings& settings, const AudioSettings& old) {
    SetIfChanged(kSoundKey, settings.soundOn, old.soundOn);
    SetIfChanged(kSoundVolumeKey, settings.soundVolume, old.soundVolume);
    SetIfChanged(kMusicKey, settings.musicOn, old.musicOn);
    SetIfChanged(kMusicVolumeKey, settings.musicVolume, old.musicVolume);
}

}  // namespace cv
