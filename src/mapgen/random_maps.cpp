#include "mapgen/random_maps.h"

#include <filesystem>

#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "mapgen/continent_builder.h"
#include "mapgen/map_ini_writer.h"
#include "mapgen/map_names.h"
#include "platform/platform.h"

namespace cv {
namespace {

unsigned ClockSeed() {
    const platform::LocalTime now =
        platform::HasCurrent() ? platform::Current().Now() : platform::SystemLocalTime();
    return static_cast<unsigned>(now.second * 100 + now.minute);
}

// The file opened for writing from its start, or null when it cannot be created.
Ref<FileStream> CreateFile(const std::string& path) {
    Ref<FileStream> file = MakeRef<FileStream>(path, 'c');
    try {
        file->Open();
    } catch (const EngineError&) {
        return nullptr;
    }
    return file;
}

void WriteText(FileStream& file, const std::string& text) {
    file.Write(text.data(), text.size());
}

bool WriteTerrain(const std::string& path, const mapgen::MapGrid& grid) {
    Ref<FileStream> file = CreateFile(path);
    if (!file) return false;
    const TerrainMap::Bytes bytes = mapgen::TerrainBytes(grid);
    file->Write(bytes.data(), bytes.size());
    file->Close();
    return true;
}

}  // namespace

namespace mapgen {

TerrainMap::Bytes TerrainBytes(const MapGrid& grid) {
    TerrainMap map;
    for (int a = 0; a < kGridSize; ++a) {
        for (int b = 0; b < kGridSize; ++b) map.SetKind({a, kGridSize - 1 - b}, grid.At(a, b));
    }
    return map.bytes();
}

}  // namespace mapgen

bool GenerateRandomMaps(const std::string& folder, std::optional<unsigned> seed) {
    Ref<FileStream> ini = CreateFile(folder + "\\map.ini");
    if (!ini) return false;
    std::error_code ignored;  // a missing folder shows when its files cannot be written
    std::filesystem::create_directory(NativePath(folder + "\\Terr"), ignored);
    WriteText(*ini, mapgen::MapIniOpening());
    bool written = true;
    std::optional<mapgen::ContinentLayout> kings;
    for (int index = 0; index < mapgen::kContinentCount; ++index) {
        const mapgen::ContinentPlan& plan = mapgen::ContinentPlans()[index];
        mapgen::ContinentLayout layout = mapgen::BuildContinent(index, seed.value_or(ClockSeed()));
        const std::string id = mapgen::NamesOf(index).id;
        written = WriteTerrain(folder + "\\Terr\\" + id + ".cvmap", layout.grid) && written;
        WriteText(*ini, mapgen::ContinentSection(index, plan, layout));
        if (plan.HasKingsCastle()) kings = std::move(layout);
    }
    WriteText(*ini, mapgen::MapIniClosing(kings.value_or(mapgen::ContinentLayout{})));
    ini->Close();
    return written;
}

}  // namespace cv
