#pragma once

#include <string>
#include <vector>

#include "core/saveable_game.h"

namespace cv {

// Saves live in the saves folder: SaveDir() + name + ".sav", or the file as it
// is on disk when only its extension's case differs ("2.SAV"). While one is
// rewritten the previous file waits under SaveDir() + name + ".sav.bak".
std::string SavePath(const std::string& name);
std::string BackupPath(const std::string& name);

// "1", "2", ...: the first number without a save in any case of ".sav".
std::string NewSaveName();

// Writes `game` under `name`; an empty name first becomes NewSaveName(),
// so the game's next save goes to the same file. A failure midway ends the
// program and leaves the previous save as the backup; a successful save
// removes the backup. Every reader and writer of a save first mends an
// interrupted one (save_recovery.h), so the backup is never overwritten by a
// save that was cut off.
void SaveGame(const SaveableGame& game, std::string& name);
// Reads the save `name` into `game` (built aside by the caller); once it is
// read whole, switches to the save's language when that language is still
// available. A save that cannot be read throws DamagedSave (a version above 1
// with "Invalid object version %08X: Game Save data") and leaves the language
// as it was; errors of the rules the game is read against stay EngineErrors.
void LoadGame(const std::string& name, SaveableGame& game);

// The names of the ".sav" files of the saves folder (extension compared
// without regard to case), in the order the file system lists them.
std::vector<std::string> ListSaves();
// Deletes the save and its backup, which would otherwise come back in its place.
void EraseSave(const std::string& name);

}  // namespace cv
