#include "core/save_recovery.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "core/save_format.h"
#include "core/save_game.h"
#include "core/settings.h"

namespace cv {
namespace {

constexpr const char* kBackupSuffix = ".sav.bak";

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

}  // namespace

bool SaveReadsWhole(const std::string& path) {
    if (!FileExists(path)) return false;
    const std::string bytes = FileBytes(path);
    try {
        SaveFileReader save(bytes, path);
        if (save.header().totalLength != bytes.size()) return false;
        save.LanguageFile();
        save.InfoRecords();
        save.GameData();
        return true;
    } catch (const EngineError&) {
        return false;
    }
}

void RecoverInterruptedSave(const std::string& name) {
    const std::string backup = BackupPath(name);
    if (!FileExists(backup)) return;
    const std::string save = SavePath(name);
    if (SaveReadsWhole(save)) {
        std::remove(backup.c_str());
        return;
    }
    // A backup that is itself damaged is no better than the save: keep both.
    if (!SaveReadsWhole(backup)) return;
    std::remove(save.c_str());
    std::rename(backup.c_str(), (SaveDir() + name + ".sav").c_str());
}

void RecoverInterruptedSaves() {
    namespace fs = std::filesystem;
    const fs::path folder = SaveDir().empty() ? fs::path(".") : fs::path(SaveDir());
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().filename().string();
        const size_t suffix = file.size() - std::string(kBackupSuffix).size();
        if (file.size() > std::string(kBackupSuffix).size() &&
            file.compare(suffix, std::string::npos, kBackupSuffix) == 0) {
            names.push_back(file.substr(0, suffix));
        }
    }
    for (const std::string& name : names) RecoverInterruptedSave(name);
}

}  // namespace cv
