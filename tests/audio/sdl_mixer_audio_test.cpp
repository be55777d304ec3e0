// The mixer backend on SDL's dummy sound driver, which plays into nothing in
// real time: it opens and closes quietly, turns to the next piece once the
// mixer reports one ended, and a driver that cannot open leaves it silent.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "audio/sdl/sdl_mixer_audio.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

// A mono 16-bit WAV of `ms` milliseconds of silence.
void WriteWav(const fs::path& path, int ms) {
    const uint32_t rate = 22050, samples = rate * ms / 1000, bytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + bytes);
    out << "WAVEfmt ";
    u32(16);  // format block size
    u16(1);   // PCM
    u16(1);   // mono
    u32(rate);
    u32(rate * 2);  // bytes a second
    u16(2);         // bytes a sample
    u16(16);        // bits a sample
    out << "data";
    u32(bytes);
    out << std::string(bytes, '\0');
}

class MixerAudio : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("corvanth_mixer_" + std::to_string(getpid()));
        fs::create_directories(folder / "Sounds");
        fs::create_directories(folder / "Music");
        WriteWav(folder / "Sounds" / "click.wav", 50);
        WriteWav(folder / "Music" / "first.wav", 100);
        WriteWav(folder / "Music" / "second.wav", 100);
        table = ParseSoundTable(
            "Sounds { ButtonClick = \"click.wav\" WeekEnd = \"missing.wav\" }\n"
            "Music { Map = \"first.wav,second.wav\" Title = \"missing.ogg\" }\n");
    }
    void TearDown() override {
        unsetenv("SDL_AUDIODRIVER");
        fs::remove_all(folder);
    }
    void Load(SdlMixerAudio& audio) { audio.Load(table, folder.string() + "/"); }

    fs::path folder;
    SoundTable table;
};

TEST(MixerVolume, TheEndsOfTheRangeAreTheMixersEnds) {
    EXPECT_EQ(MixerVolume(0), 0);
    EXPECT_EQ(MixerVolume(1), 1);
    EXPECT_EQ(MixerVolume(50), MIX_MAX_VOLUME / 2);
    EXPECT_EQ(MixerVolume(100), MIX_MAX_VOLUME);
}

TEST_F(MixerAudio, PiecesOfAMoodFollowEachOtherAndAMissingFileIsSilence) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::testing::internal::CaptureStderr();
    {
        SdlMixerAudio audio;
        Load(audio);
        ASSERT_TRUE(audio.open());
        audio.Apply({});
        audio.Play(SoundEvent::ButtonClick);
        audio.Play(SoundEvent::WeekEnd);  // its file is missing: nothing
        audio.SetMood(MusicMood::Map);
        EXPECT_EQ(audio.piece(), "first.wav");
        // The short piece ends on the mixer's thread; the main loop turns on.
        for (int waited = 0; waited < 5000 && audio.piece() != "second.wav"; waited += 10) {
            SDL_Delay(10);
            audio.Update();
        }
        EXPECT_EQ(audio.piece(), "second.wav");
        audio.SetMood(MusicMood::Title);  // fades out; its piece cannot be read
        for (int waited = 0; waited < 5000 && !audio.piece().empty(); waited += 10) {
            SDL_Delay(10);
            audio.Update();
        }
        EXPECT_EQ(audio.piece(), "");
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(MixerAudio, WithoutADeviceItSaysSoOnceAndStaysSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ::testing::internal::CaptureStderr();
    {
        SdlMixerAudio audio;
        Load(audio);
        EXPECT_FALSE(audio.open());
        audio.Apply({});
        audio.Play(SoundEvent::ButtonClick);
        audio.SetMood(MusicMood::Map);
        audio.Update();
        EXPECT_EQ(audio.piece(), "");
        EXPECT_EQ(audio.mood(), MusicMood::Map);
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("Corvanth: no sound (", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

}  // namespace
}  // namespace cv
