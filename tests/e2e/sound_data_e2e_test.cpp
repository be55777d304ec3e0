// The built game folder's sounds and music against the sound table and the
// rules: every sound and every mood of the music has its files there, SDL's
// mixer reads each of them, and every unit kind strikes and shoots with a
// sound of its own.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/sdl/sdl_mixer_audio.h"
#include "core/config_parser.h"
#include "game/model/unit_tables.h"

namespace cv {
namespace {

namespace fs = std::filesystem;

const fs::path kGame = CORVANTH_GAME_DIR;

SoundTable BuiltTable() {
    return ReadSoundTable((kGame / "Sounds" / "sounds.ini").string());
}

// The files of the table, each with its folder in the game folder.
std::vector<fs::path> SoundFiles(const SoundTable& table) {
    std::vector<fs::path> files;
    for (int i = 0; i < kSoundEventCount; ++i) {
        const std::string& file = table.FileOf(static_cast<SoundEvent>(i));
        EXPECT_FALSE(file.empty()) << NameOf(static_cast<SoundEvent>(i)) << " has no sound";
        if (!file.empty()) files.push_back(kGame / "Sounds" / file);
    }
    return files;
}

std::vector<fs::path> MusicFiles(const SoundTable& table) {
    std::vector<fs::path> files;
    for (MusicMood mood : {MusicMood::Title, MusicMood::Map, MusicMood::Battle}) {
        EXPECT_FALSE(table.PiecesOf(mood).empty()) << NameOf(mood) << " has no music";
        for (const std::string& piece : table.PiecesOf(mood))
            files.push_back(kGame / "Music" / piece);
    }
    return files;
}

TEST(SoundData, EverySoundAndPieceTheTableNamesIsThereAndTheMixerReadsIt) {
    const SoundTable table = BuiltTable();
    EXPECT_EQ(table.unknown, std::vector<std::string>{});
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048), 0);
    for (const fs::path& file : SoundFiles(table)) {
        Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
        EXPECT_NE(chunk, nullptr) << file << ": " << Mix_GetError();
        if (chunk) Mix_FreeChunk(chunk);
    }
    for (const fs::path& file : MusicFiles(table)) {
        Mix_Music* music = Mix_LoadMUS(file.c_str());
        EXPECT_NE(music, nullptr) << file << ": " << Mix_GetError();
        if (music) Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    unsetenv("SDL_AUDIODRIVER");
}

// A kind the table forgot would strike with a borrowed sound.
TEST(SoundData, EveryUnitKindOfTheRulesStrikesAndEveryShooterShootsWithItsOwnSound) {
    std::ifstream rules(fs::path(CORVANTH_DATA_DIR) / "cv.ini", std::ios::binary);
    SetRoot(MakeRef<Dispatcher>());
    Parse(*Root(), std::string(std::istreambuf_iterator<char>(rules), {}));
    Units().Load(Root());
    ASSERT_GT(Units().UnitCount(), 0);
    const SoundTable table = BuiltTable();
    for (const Ref<SquadDef>& unit : Units().units()) {
        EXPECT_TRUE(table.strikes.count(unit->id)) << unit->id << " strikes without a sound";
        EXPECT_EQ(table.shots.count(unit->id), unit->shots > 0 ? 1u : 0u) << unit->id;
    }
    for (const auto& [id, sound] : table.strikes) EXPECT_TRUE(Units().FindUnit(id)) << id;
}

}  // namespace
}  // namespace cv
