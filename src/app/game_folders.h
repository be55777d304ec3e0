#pragma once

#include <string>

namespace cv {

// What decides where the game's files go, read once at start-up.
struct FolderEnvironment {
    std::string home;            // $HOME
    std::string configHome;      // $XDG_CONFIG_HOME, empty when unset
    std::string dataHome;        // $XDG_DATA_HOME
    std::string picturesFolder;  // $XDG_PICTURES_DIR
    // The executable's folder accepts new files (a build or unpacked folder).
    bool exeFolderWritable = true;
};

// Where the CFG is read and written, the packages read, and saves and
// screenshots written. Folders end in "/".
struct GameFolders {
    std::string cfg;  // the CFG file itself
    std::string data;
    std::string saves;
    std::string pictures;
    // Installed: the player's files go to the XDG folders, first created from
    // the defaults beside the data.
    bool installed = false;
};

// Where the game keeps what it makes for the player besides saves (the random
// map set): the folder above the saves when installed ($XDG_DATA_HOME/corvanth/),
// else the data folder.
std::string PlayerDataFolder(const GameFolders& folders);

// The data of an installed game: "<prefix>/share/games/corvanth/" for an
// executable in "<prefix>/games/" or "<prefix>/bin/".
std::string InstalledDataFolder(const std::string& exeFolder);

// `gameDir` (from --game-dir, may be empty) keeps everything in that folder.
// Otherwise the game is installed when `installedData` (the folder above,
// when it holds a CFG; else empty) is given or the executable's folder is not
// writable; an installed game reads its data from there (or beside the
// executable) and keeps the player's files under $XDG_CONFIG_HOME/corvanth/
// and $XDG_DATA_HOME/corvanth/saves/ (~/.config and ~/.local/share when
// unset). Anything else is portable: everything stays beside the executable.
// Screenshots go to $XDG_PICTURES_DIR/corvanth/, else to the saves.
GameFolders ChooseGameFolders(const std::string& exeFolder, const std::string& gameDir,
                              const std::string& installedData, const FolderEnvironment& env);

// The environment of this process, and the folders it chooses for an
// executable at `exePath` (the CFG named after the executable).
FolderEnvironment ProcessFolderEnvironment(const std::string& exeFolder);
GameFolders FoldersForProcess(const std::string& exePath, const std::string& gameDir);
// Everything beside `exePath` (the CFG named after it), as a build folder has it.
GameFolders PortableFolders(const std::string& exePath);

// Makes the folders that the game writes to and, for an installed game, copies
// the default CFG beside the data when the player has none yet. What cannot
// be made shows when it is first read or written.
void PrepareGameFolders(const GameFolders& folders);

// folder + stem + extension, else the first free folder + stem-N + extension
// (N = 2 .. 999), so nothing the player keeps is overwritten; empty when all
// are taken.
std::string FreeFileName(const std::string& folder, const std::string& stem,
                         const std::string& extension);

}  // namespace cv
