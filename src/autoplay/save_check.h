#pragma once

#include <string>

#include "game/world/running_game.h"

namespace cv::autoplay {

// The game data of a save of `game`: its chunks as a save writes them,
// before they are packed into the file.
std::string SavedData(const RunningGame& game);

// A new game read from such data, built aside as a loaded save is, on the
// rules in Root. Data that cannot be read throws DamagedSave.
Ref<RunningGame> LoadSavedData(const std::string& data);

// Empty when a save made at the end of `week` and the save of the game
// loaded from it are the same bytes; else the fault: the week, the first
// offset at which they differ and the chunk that holds it.
std::string SaveFault(int week, const std::string& saved, const std::string& again);

// The end-of-week check: the game saved, loaded into a new game and saved
// again. The loaded game is the one played on.
struct SaveCheck {
    Ref<RunningGame> loaded;  // none when the save could not be read back
    std::string fault;
};
SaveCheck CheckSave(const RunningGame& game);

}  // namespace cv::autoplay
