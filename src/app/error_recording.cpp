#include "app/error_recording.h"

#include <filesystem>
#include <fstream>

namespace cv {
namespace {

// A player may send in several; none overwrites an earlier one.
std::string FreeName(const std::string& folder) {
    for (int n = 1; n < 1000; ++n) {
        std::string name = n == 1 ? "Error.rec" : "Error-" + std::to_string(n) + ".rec";
        std::error_code error;
        if (!std::filesystem::exists(folder + name, error) && !error) return folder + name;
    }
    return {};
}

}  // namespace

std::string KeepErrorRecording(const std::string& folder, const std::string& recording) {
    const std::string path = FreeName(folder);
    if (path.empty()) return {};
    std::ofstream file(path, std::ios::binary);
    file << recording;
    file.close();
    return file ? path : std::string();
}

}  // namespace cv
