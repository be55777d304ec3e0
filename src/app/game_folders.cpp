#include "app/game_folders.h"

#include "app/user_dirs.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace cv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCfgName = "Corvanth.CFG";

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// An XDG variable, else its default under the home folder; relative values
// are invalid by the XDG rules and treated as unset.
std::string XdgFolder(const std::string& value, const std::string& home, const char* fallback) {
    if (!value.empty() && value.front() == '/') return WithSlash(value);
    return WithSlash(home) + fallback;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

}  // namespace

std::string PlayerDataFolder(const GameFolders& folders) {
    if (!folders.installed) return folders.data;
    // The saves folder ends in "/", so its own path is one step deeper than it looks.
    return WithSlash(fs::path(folders.saves).parent_path().parent_path().string());
}

std::string InstalledDataFolder(const std::string& exeFolder) {
    const fs::path exe = fs::path(exeFolder).parent_path();
    const std::string leaf = exe.filename().string();
    if (leaf != "games" && leaf != "bin") return {};
    return WithSlash((exe.parent_path() / "share" / "games" / "corvanth").string());
}

GameFolders ChooseGameFolders(const std::string& exeFolder, const std::string& gameDir,
                              const std::string& installedData, const FolderEnvironment& env) {
    GameFolders folders;
    const std::string portable = WithSlash(gameDir.empty() ? exeFolder : gameDir);
    folders.installed = gameDir.empty() && (!installedData.empty() || !env.exeFolderWritable);
    if (!folders.installed) {
        folders.data = folders.saves = portable;
        folders.cfg = portable + kCfgName;
    } else {
        folders.data = installedData.empty() ? portable : WithSlash(installedData);
        const std::string config = XdgFolder(env.configHome, env.home, ".config/") + "corvanth/";
        folders.cfg = config + kCfgName;
        folders.saves = XdgFolder(env.dataHome, env.home, ".local/share/") + "corvanth/saves/";
    }
    const bool hasPictures = !env.picturesFolder.empty() && env.picturesFolder.front() == '/';
    folders.pictures = hasPictures ? WithSlash(env.picturesFolder) + "corvanth/" : folders.saves;
    return folders;
}

FolderEnvironment ProcessFolderEnvironment(const std::string& exeFolder) {
    FolderEnvironment env;
    env.home = Env("HOME");
    env.configHome = Env("XDG_CONFIG_HOME");
    env.dataHome = Env("XDG_DATA_HOME");
    env.picturesFolder = ProcessPicturesFolder(env.configHome, env.home);
    env.exeFolderWritable = access(exeFolder.empty() ? "." : exeFolder.c_str(), W_OK) == 0;
    return env;
}

GameFolders FoldersForProcess(const std::string& exePath, const std::string& gameDir) {
    const std::string exeFolder = WithSlash(fs::path(exePath).parent_path().string());
    std::string installedData = InstalledDataFolder(exeFolder);
    if (!Exists(installedData + kCfgName)) installedData.clear();
    GameFolders folders =
        ChooseGameFolders(exeFolder, gameDir, installedData, ProcessFolderEnvironment(exeFolder));
    // The portable CFG keeps the executable's name, as it always had.
    if (!folders.installed && gameDir.empty()) {
        folders.cfg = fs::path(exePath).replace_extension(".CFG").string();
    }
    return folders;
}

GameFolders PortableFolders(const std::string& exePath) {
    const std::string exeFolder = WithSlash(fs::path(exePath).parent_path().string());
    GameFolders folders = ChooseGameFolders(exeFolder, exeFolder, {}, FolderEnvironment{});
    folders.cfg = fs::path(exePath).replace_extension(".CFG").string();
    return folders;
}

void PrepareGameFolders(const GameFolders& folders) {
    std::error_code ignored;
    fs::create_directories(folders.saves, ignored);
    if (!folders.installed || Exists(folders.cfg)) return;
    fs::create_directories(fs::path(folders.cfg).parent_path(), ignored);
    fs::copy_file(folders.data + kCfgName, folders.cfg, ignored);
}

std::string FreeFileName(const std::string& folder, const std::string& stem,
                         const std::string& extension) {
    for (int n = 1; n < 1000; ++n) {
        const std::string number = n == 1 ? "" : "-" + std::to_string(n);
        const std::string path = folder + stem + number + extension;
        std::error_code error;
        if (!fs::exists(path, error) && !error) return path;
    }
    return {};
}

}  // namespace cv
