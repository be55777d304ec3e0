#pragma once

#include <string>

namespace cv {

// A save cut off while it was written (the program killed, the disk full)
// leaves the previous save as its backup (BackupPath). The backup goes back
// in place when the save is missing or cannot be read whole; beside a whole
// save it is dropped. So a save always holds the previous game or the new one.
void RecoverInterruptedSave(const std::string& name);

// The same for every backup in the saves folder.
void RecoverInterruptedSaves();

// The header, language, info block and game data of the file can be read and
// the file is as long as its header says.
bool SaveReadsWhole(const std::string& path);

}  // namespace cv
