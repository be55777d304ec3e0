#include "core/settings.h"

namespace cv {
namespace {
struct Paths {
    std::string cfg;
    std::string appDir;
    std::string saveDir;
    std::string picturesDir;
    std::string playerDataDir;
};
Paths& ThePaths() {
    static Paths paths;
    return paths;
}
}  // namespace

SettingsMap& Settings() {
    static SettingsMap settings;
    return settings;
}

std::string CfgGet(const std::string& key, const std::string& fallback) {
    return Settings().try_emplace(key, fallback).first->second;
}

bool CfgHas(const std::string& key) {
    return Settings().count(key) != 0;
}

void CfgSet(const std::string& key, const std::string& value) {
    Settings()[key] = value;
}

const std::string& CfgPath() {
    return ThePaths().cfg;
}
const std::string& AppDir() {
    return ThePaths().appDir;
}
void SetCfgPath(const std::string& path) {
    ThePaths().cfg = path;
}
void SetAppDir(const std::string& dir) {
    ThePaths().appDir = dir;
}

const std::string& SaveDir() {
    const Paths& paths = ThePaths();
    return paths.saveDir.empty() ? paths.appDir : paths.saveDir;
}
const std::string& PicturesDir() {
    const Paths& paths = ThePaths();
    return paths.picturesDir.empty() ? SaveDir() : paths.picturesDir;
}
void SetSaveDir(const std::string& dir) {
    ThePaths().saveDir = dir;
}
void SetPicturesDir(const std::string& dir) {
    ThePaths().picturesDir = dir;
}

const std::string& PlayerDataDir() {
    const Paths& paths = ThePaths();
    return paths.playerDataDir.empty() ? paths.appDir : paths.playerDataDir;
}
void SetPlayerDataDir(const std::string& dir) {
    ThePaths().playerDataDir = dir;
}

}  // namespace cv
