#include "audio/sound_event.h"

#include <array>

namespace cv {
namespace {

constexpr std::array<const char*, kSoundEventCount> kEventNames = {
    "ButtonClick", "HeroStep",    "HeroSail",    "HeroFly",    "Treasure",    "Artifact",
    "SpellCast",   "WeekEnd",     "Victory",     "Defeat",     "StrikeBlade", "StrikePierce",
    "StrikeBlunt", "StrikeStaff", "StrikeAxe",   "StrikeFist", "StrikeClaws", "StrikeBite",
    "StrikeFire",  "StrikeDrain", "StrikeMagic", "ShotArrow",  "ShotRock",    "ShotMagic"};

constexpr std::array<const char*, kMusicMoodCount> kMoodNames = {"None", "Title", "Map", "Battle"};

template <class Enum, size_t N>
std::optional<Enum> Named(const std::array<const char*, N>& names, const std::string& name) {
    for (size_t i = 0; i < N; ++i) {
        if (name == names[i]) return static_cast<Enum>(i);
    }
    return std::nullopt;
}

}  // namespace

const char* NameOf(SoundEvent event) {
    return kEventNames[static_cast<size_t>(event)];
}

const char* NameOf(MusicMood mood) {
    return kMoodNames[static_cast<size_t>(mood)];
}

std::optional<SoundEvent> SoundEventNamed(const std::string& name) {
    return Named<SoundEvent>(kEventNames, name);
}

std::optional<MusicMood> MusicMoodNamed(const std::string& name) {
    return Named<MusicMood>(kMoodNames, name);
}

bool IsJingle(SoundEvent event) {
    return event == SoundEvent::Victory || event == SoundEvent::Defeat;
}

}  // namespace cv
