// corvanth-mapgen: makes a random map set and draws it for a look.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include "common/tool_main.h"
#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "mapgen/map_preview.h"
#include "mapgen/random_maps.h"
#include "platform/png_file.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-mapgen generate [--seed N] FOLDER\n"
    "       corvanth-mapgen preview FOLDER OUT.png\n"
    "generate: writes four new continents into FOLDER (created when missing):\n"
    "  map.ini and Terr/<id>.cvmap. Without --seed the clock seeds every\n"
    "  continent as the game does; a seed (0..4294967295) repeats a map set.\n"
    "preview: draws FOLDER's map set as one PNG, the continents side by side:\n"
    "  sea, grass, mountains, forest, swamp, shore and castles (gates darker),\n"
    "  treasure yellow, armies red, towns pink, castles black, others cyan.\n";

int Generate(const cv::tool::Arguments& args) {
    std::optional<unsigned> seed;
    std::string folder;
    if (args.size() == 4 && args[1] == "--seed") {
        seed = cv::tool::ParseUnsigned(args[2]);
        folder = args[3];
    } else if (args.size() == 2) {
        folder = args[1];
    } else {
        throw cv::tool::UsageError{};
    }
    std::filesystem::create_directories(cv::NativePath(folder));
    if (!cv::GenerateRandomMaps(folder, seed)) {
        cv::FatalError("Cannot write the map set into %s", folder.c_str());
    }
    std::cout << "Wrote " << folder << "/map.ini and four terrain files in " << folder << "/Terr\n";
    return 0;
}

int Preview(const cv::tool::Arguments& args) {
    if (args.size() != 3) throw cv::tool::UsageError{};
    const cv::tool::MapPicture picture = cv::tool::DrawMapSet(args[1]);
    std::string error;
    if (!cv::platform::WritePng(args[2], picture.width, picture.height, false, picture.rgb,
                                error)) {
        cv::FatalError("%s", error.c_str());
    }
    std::cout << "Wrote " << args[2] << " (" << picture.width << " x " << picture.height << ")\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, [](const cv::tool::Arguments& args) {
        if (args.empty()) throw cv::tool::UsageError{};
        if (args[0] == "generate") return Generate(args);
        if (args[0] == "preview") return Preview(args);
        throw cv::tool::UsageError{};
    });
}
