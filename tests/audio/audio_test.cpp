// What the game lets be heard: the settings the CFG gives, the backend's
// decisions at the settings' ends, and the sound table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/recording_audio.h"
#include "core/settings.h"

namespace cv {
namespace {

using Lines = std::vector<std::string>;

TEST(AudioSettings, TheCfgGivesEachValueOrItsDefault) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> cfg;
        AudioSettings expected;
    };
    const AudioSettings defaults;
    const Case cases[] = {
        {{}, defaults},  // an older CFG without the keys
        {{{"Sound", "OFF"}, {"Music", "OFF"}, {"SoundVolume", "0"}, {"MusicVolume", "100"}},
         {false, 0, false, 100}},
        {{{"Sound", "ON"}, {"SoundVolume", "101"}, {"MusicVolume", "99999999999"}},
         {true, 100, true, defaults.musicVolume}},
        {{{"Sound", "off"}, {"Music", ""}, {"SoundVolume", "-1"}, {"MusicVolume", "6O"}}, defaults},
        {{{"SoundVolume", "007"}, {"MusicVolume", " 5"}}, {true, 7, true, defaults.musicVolume}},
    };
    for (const Case& c : cases) {
        Settings().clear();
        for (const auto& [key, value] : c.cfg) CfgSet(key, value);
        EXPECT_EQ(ReadAudioSettings(), c.expected) << (c.cfg.empty() ? "" : c.cfg[0].second);
    }
}

// One sound, one turn to the map's music and the levels, under each setting.
TEST(AudioBackend, WhatIsHeardFollowsTheSwitchesAndVolumesToTheirEnds) {
    struct Case {
        AudioSettings settings;
        Lines log;
        int soundLevel, musicLevel;
    };
    const Case cases[] = {
        {{true, 80, true, 60}, {"ButtonClick", "music Map"}, 80, 60},
        {{true, 100, true, 100}, {"ButtonClick", "music Map"}, 100, 100},
        {{true, 1, true, 1}, {"ButtonClick", "music Map"}, 1, 1},
        {{true, 0, true, 0}, {}, 0, 0},
        {{false, 100, false, 100}, {}, 0, 0},
        {{false, 100, true, 100}, {"music Map"}, 0, 100},
        {{true, 100, false, 100}, {"ButtonClick"}, 100, 0},
    };
    for (const Case& c : cases) {
        RecordingAudio audio;
        audio.Apply(c.settings);
        audio.Play(SoundEvent::ButtonClick);
        audio.SetMood(MusicMood::Map);
        EXPECT_EQ(audio.log(), c.log) << c.settings.soundVolume << " " << c.settings.musicVolume;
        EXPECT_EQ(audio.soundLevel(), c.soundLevel);
        EXPECT_EQ(audio.musicLevel(), c.musicLevel);
    }
}

TEST(AudioBackend, MusicTurnsOnlyWhenWhatIsHeardChanges) {
    RecordingAudio audio;
    audio.Apply({});
    audio.SetMood(MusicMood::Title);
    audio.SetMood(MusicMood::Title);
    audio.Apply({true, 80, false, 60});  // music off: silence
    audio.SetMood(MusicMood::Map);       // remembered while off
    audio.Apply({true, 80, true, 0});    // on, but at nothing
    audio.Apply({true, 80, true, 40});   // heard again: the map's
    audio.Apply({true, 50, true, 30});   // louder or softer only
    audio.SetMood(MusicMood::Battle);
    audio.Play(SoundEvent::Victory);  // the jingle silences the battle
    audio.SetMood(MusicMood::Map);
    EXPECT_EQ(audio.Music(), (Lines{"Title", "None", "Map", "Battle", "None", "Map"}));
    EXPECT_EQ(audio.Sounds(), (Lines{"Victory"}));

    audio.Clear();
    audio.SetMood(MusicMood::Battle);
    audio.Apply({false, 80, true, 60});
    audio.Play(SoundEvent::Defeat);  // not heard, so the music goes on
    EXPECT_EQ(audio.log(), (Lines{"music Battle"}));
}

TEST(SoundTable, NamesFilesPiecesAndBlowsAndReportsWhatItDoesNotKnow) {
    const SoundTable table = ParseSoundTable(
        "Sounds { ButtonClick = \"button.wav\" Whistle = \"w.wav\" }\n"
        "Music { Map = \"a.ogg,b.ogg\" None = \"n.ogg\" }\n"
        "Strikes { Wolves = \"StrikeBite\" Trolls = \"Punch\" }\n"
        "Shots { Druids = \"ShotMagic\" }\n");
    EXPECT_EQ(table.FileOf(SoundEvent::ButtonClick), "button.wav");
    EXPECT_EQ(table.FileOf(SoundEvent::WeekEnd), "");
    EXPECT_EQ(table.PiecesOf(MusicMood::Map), (Lines{"a.ogg", "b.ogg"}));
    EXPECT_EQ(table.PiecesOf(MusicMood::None), Lines{});
    EXPECT_EQ(table.unknown, (Lines{"Whistle", "None", "Punch"}));
    const std::pair<const char*, bool> blows[] = {{"Wolves", false},
                                                  {"Wolves", true},
                                                  {"Druids", true},
                                                  {"Druids", false},
                                                  {"Trolls", false}};
    const SoundEvent sounds[] = {SoundEvent::StrikeBite, SoundEvent::ShotArrow,
                                 SoundEvent::ShotMagic, SoundEvent::StrikeBlade,
                                 SoundEvent::StrikeBlade};
    for (size_t i = 0; i < std::size(blows); ++i) {
        EXPECT_EQ(table.StrikeOf(blows[i].first, blows[i].second), sounds[i]) << i;
    }
    EXPECT_EQ(ReadSoundTable("/nonexistent/sounds.ini").FileOf(SoundEvent::ButtonClick), "");
}

}  // namespace
}  // namespace cv
