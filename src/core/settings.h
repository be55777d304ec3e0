#pragma once

#include <map>
#include <string>

namespace cv {

// The CFG settings: key to value, both taken byte for byte (no trimming).
using SettingsMap = std::map<std::string, std::string>;
SettingsMap& Settings();

// The value of `key`; an absent key gets `fallback` inserted and returned, so
// the next CfgSave writes it.
std::string CfgGet(const std::string& key, const std::string& fallback);
bool CfgHas(const std::string& key);
void CfgSet(const std::string& key, const std::string& value);

// Where the CFG file lives, and the game folder (ending in "/") that every
// relative file name is resolved against. Paths are UTF-8.
const std::string& CfgPath();
const std::string& AppDir();
void SetCfgPath(const std::string& path);
void SetAppDir(const std::string& dir);

// Where the game writes its saves and error recordings, and its screenshots;
// each ends in "/" and is AppDir() until set (a game run from its own folder
// keeps everything there).
const std::string& SaveDir();
const std::string& PicturesDir();
void SetSaveDir(const std::string& dir);
void SetPicturesDir(const std::string& dir);

// Where the game keeps what it makes for the player besides saves (the random
// map set); ends in "/" and is AppDir() until set.
const std::string& PlayerDataDir();
void SetPlayerDataDir(const std::string& dir);

}  // namespace cv
