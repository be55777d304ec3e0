#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "audio/sound_event.h"

namespace cv {

// What the game plays: a file for each sound (in the game folder's
// "Sounds"), the pieces of each mood of the music (in "Music", played in
// turn) and the sound of each unit kind's strike and shot. Read from
// configuration text:
//   Sounds  { ButtonClick = "button.wav" ... }
//   Music   { Map = "first.ogg,second.ogg" ... }
//   Strikes { Knights = "StrikeBlade" ... }
//   Shots   { Archers = "ShotArrow" ... }
struct SoundTable {
    std::array<std::string, kSoundEventCount> files;  // empty: not heard
    std::array<std::vector<std::string>, kMusicMoodCount> pieces;
    std::map<std::string, SoundEvent> strikes, shots;  // by unit id
    // Names in the text that no sound, mood or unit sound answers to.
    std::vector<std::string> unknown;

    const std::string& FileOf(SoundEvent event) const { return files[static_cast<size_t>(event)]; }
    const std::vector<std::string>& PiecesOf(MusicMood mood) const {
        return pieces[static_cast<size_t>(mood)];
    }
    // A unit kind the table does not name strikes with a blade and shoots arrows.
    SoundEvent StrikeOf(const std::string& unit, bool shot) const;
};

SoundTable ParseSoundTable(const std::string& text);
// The table in the file; an empty one when there is no such file (a game
// folder without sounds plays none).
SoundTable ReadSoundTable(const std::string& path);

}  // namespace cv
