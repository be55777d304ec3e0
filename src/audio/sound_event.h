#pragma once

#include <optional>
#include <string>

namespace cv {

// Everything the game makes heard. A strike sounds by the weapon of the
// squad that strikes, a shot by what it shoots (see SoundTable).
enum class SoundEvent {
    ButtonClick,
    HeroStep,
    HeroSail,
    HeroFly,
    Treasure,
    Artifact,
    SpellCast,
    WeekEnd,
    Victory,
    Defeat,
    StrikeBlade,
    StrikePierce,
    StrikeBlunt,
    StrikeStaff,
    StrikeAxe,
    StrikeFist,
    StrikeClaws,
    StrikeBite,
    StrikeFire,
    StrikeDrain,
    StrikeMagic,
    ShotArrow,
    ShotRock,
    ShotMagic,
};
constexpr int kSoundEventCount = static_cast<int>(SoundEvent::ShotMagic) + 1;

// What the music plays; None is silence.
enum class MusicMood { None, Title, Map, Battle };
constexpr int kMusicMoodCount = static_cast<int>(MusicMood::Battle) + 1;

// The names the sound table and the logs use: "ButtonClick", "Map".
const char* NameOf(SoundEvent event);
const char* NameOf(MusicMood mood);
std::optional<SoundEvent> SoundEventNamed(const std::string& name);
std::optional<MusicMood> MusicMoodNamed(const std::string& name);

// The end of a battle or of the game: the music gives way to it.
bool IsJingle(SoundEvent event);

}  // namespace cv
