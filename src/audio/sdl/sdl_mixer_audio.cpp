#include "audio/sdl/sdl_mixer_audio.h"

#include <SDL2/SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <iostream>

namespace cv {
namespace {

constexpr int kFadeMs = 1500;
constexpr int kChannels = 16;

// Set on the mixer's thread, taken on the main loop: nothing else may be done
// there, the mixer is locked while it calls.
std::atomic<bool>& PieceEnded() {
    static std::atomic<bool> ended{false};
    return ended;
}

// The sound libraries under SDL complain on standard error, line after line,
// when there is no device at all; the game says so itself, in one line.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        const int null = open("/dev/null", O_WRONLY);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

// Opens the device; the reason when there is none.
std::string OpenDevice() {
    const QuietStandardError quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return SDL_GetError();
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        const std::string reason = Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return reason;
    }
    return {};
}

}  // namespace

int MixerVolume(int level) {
    return level * MIX_MAX_VOLUME / AudioSettings::kMaxVolume;
}

SdlMixerAudio::~SdlMixerAudio() {
    Close();
}

void SdlMixerAudio::OnLoad(const std::string& folder) {
    folder_ = folder;
    ForgetSounds();
    if (open_) return;
    if (const std::string reason = OpenDevice(); !reason.empty()) {
        std::cerr << "Corvanth: no sound (" << reason << ")" << std::endl;
        return;
    }
    Mix_Init(MIX_INIT_OGG);
    Mix_AllocateChannels(kChannels);
    PieceEnded() = false;
    Mix_HookMusicFinished(&SdlMixerAudio::OnPieceEnded);
    open_ = true;
}

void SdlMixerAudio::Close() {
    if (!open_) return;
    Mix_HookMusicFinished(nullptr);
    Mix_HaltMusic();
    if (music_) Mix_FreeMusic(music_);
    ForgetSounds();
    music_ = nullptr;
    piece_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

void SdlMixerAudio::ForgetSounds() {
    if (open_) Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : chunks_) {
        if (chunk) Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    unreadable_ = {};
}

void SdlMixerAudio::OnPieceEnded() {
    PieceEnded() = true;
}

Mix_Chunk* SdlMixerAudio::ChunkOf(SoundEvent event) {
    const size_t index = static_cast<size_t>(event);
    if (chunks_[index] || unreadable_[index]) return chunks_[index];
    const std::string& file = table().FileOf(event);
    if (!file.empty()) chunks_[index] = Mix_LoadWAV((folder_ + "Sounds/" + file).c_str());
    unreadable_[index] = !chunks_[index];
    return chunks_[index];
}

void SdlMixerAudio::PlaySound(SoundEvent event) {
    if (!open_) return;
    if (Mix_Chunk* chunk = ChunkOf(event)) Mix_PlayChannel(-1, chunk, 0);
}

// The piece playing fades out first; the next one starts once the mixer
// says it has ended.
void SdlMixerAudio::PlayMusic(MusicMood mood) {
    wanted_ = mood;
    if (!open_) return;
    if (Mix_PlayingMusic() && Mix_FadingMusic() != MIX_FADING_OUT) {
        Mix_FadeOutMusic(kFadeMs);
    } else if (!Mix_PlayingMusic()) {
        StartNextPiece();
    }
}

void SdlMixerAudio::Update() {
    if (open_ && PieceEnded().exchange(false) && !Mix_PlayingMusic()) StartNextPiece();
}

void SdlMixerAudio::StartNextPiece() {
    if (music_) Mix_FreeMusic(music_);
    music_ = nullptr;
    piece_.clear();
    const std::vector<std::string>& pieces = table().PiecesOf(wanted_);
    if (pieces.empty()) return;
    size_t& next = nextPiece_[static_cast<size_t>(wanted_)];
    const std::string& piece = pieces[next % pieces.size()];
    next = (next + 1) % pieces.size();
    music_ = Mix_LoadMUS((folder_ + "Music/" + piece).c_str());
    if (music_ && Mix_FadeInMusic(music_, 1, kFadeMs) == 0) piece_ = piece;
}

void SdlMixerAudio::SetLevels(int sound, int music) {
    if (!open_) return;
    Mix_Volume(-1, MixerVolume(sound));
    Mix_VolumeMusic(MixerVolume(music));
}

}  // namespace cv
