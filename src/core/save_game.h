#pragma once

#include <string>
#include <vector>

#include "core/saveable_game.h"

namespace cv {

// Saves live in the game folder: AppDir() + name + ".sav", and while one is
// rewritten the previous file waits under that path + ".bak".
std::string SavePath(const std::string& name);
std::string BackupPath(const std::string& name);

// The name the next SaveGame writes under; empty until a game is saved or
// loaded.
std::string& CurrentSaveName();
// "1", "2", ...: the first number without a save.
std::string NewSaveName();

// Writes `game` under the current save name (a new name when there is none).
// A failure midway ends the program and leaves the previous save as the
// backup; a successful save removes the backup.
void SaveGame(const SaveableGame& game);
// Reads the save `name` into `game` (built aside by the caller); switches to
// the save's language when that language is still available. A version
// above 1 ends with "Invalid object version %08X: Game Save data".
void LoadGame(const std::string& name, SaveableGame& game);

// The names of the ".sav" files of the game folder (extension compared
// without regard to case), in the order the file system lists them.
std::vector<std::string> ListSaves();
// Deletes the save; its backup, if any, stays.
void EraseSave(const std::string& name);

}  // namespace cv
