#include "screens/autosave.h"

#include <filesystem>

#include "core/save_game.h"
#include "screens/game_session.h"

namespace cv {
namespace {

constexpr const char* kAutosavePrefix = "Autosave ";

}  // namespace

std::string AutosaveName(int slot) {
    return kAutosavePrefix + std::to_string(slot);
}

bool IsAutosaveName(const std::string& saveName) {
    for (int slot = 1; slot <= kAutosaveSlots; ++slot) {
        if (saveName == AutosaveName(slot)) return true;
    }
    return false;
}

std::string NextAutosaveName() {
    namespace fs = std::filesystem;
    std::string oldest;
    fs::file_time_type oldestTime = fs::file_time_type::max();
    for (int slot = 1; slot <= kAutosaveSlots; ++slot) {
        const std::string name = AutosaveName(slot);
        std::error_code error;
        const fs::file_time_type written = fs::last_write_time(SavePath(name), error);
        if (error) return name;
        if (written < oldestTime) {
            oldestTime = written;
            oldest = name;
        }
    }
    return oldest;
}

void Autosave(const GameSession& session) {
    std::string name = NextAutosaveName();
    SaveGame(session.game(), name);
}

AnswerHandler AutosaveAfter(AnswerHandler then) {
    return [then = std::move(then)](const std::string& answer) {
        if (then) then(answer);
        if (GameSession* session = CurrentSession()) Autosave(*session);
    };
}

}  // namespace cv
