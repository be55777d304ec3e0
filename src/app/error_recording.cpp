#include "app/error_recording.h"

#include <fstream>

#include "app/game_folders.h"

namespace cv {

std::string KeepErrorRecording(const std::string& folder, const std::string& recording) {
    const std::string path = FreeFileName(folder, "Error", ".rec");
    if (path.empty()) return {};
    std::ofstream file(path, std::ios::binary);
    file << recording;
    file.close();
    return file ? path : std::string();
}

}  // namespace cv
