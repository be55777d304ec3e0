#include "app/user_dirs.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace cv {
namespace {

constexpr const char* kPicturesKey = "XDG_PICTURES_DIR=";

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::string PicturesFolderFromUserDirs(const std::string& text, const std::string& home) {
    std::istringstream lines(text);
    std::string line;
    std::string folder;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(kPicturesKey, 0) != 0) continue;
        folder = Unquoted(line.substr(std::string(kPicturesKey).size()));
    }
    if (folder.rfind("$HOME", 0) == 0) folder = home + folder.substr(5);
    return !folder.empty() && folder.front() == '/' ? folder : std::string();
}

std::string ProcessPicturesFolder(const std::string& configHome, const std::string& home) {
    const char* fromEnvironment = std::getenv("XDG_PICTURES_DIR");
    if (fromEnvironment && *fromEnvironment) return fromEnvironment;
    const std::string config =
        !configHome.empty() && configHome.front() == '/' ? configHome : home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    std::stringstream text;
    text << file.rdbuf();
    return PicturesFolderFromUserDirs(text.str(), home);
}

}  // namespace cv
