#pragma once

#include <optional>
#include <string>

#include "game/world/terrain_map.h"
#include "mapgen/map_grid.h"

namespace cv {

// Makes four new continents into `folder` (a game path with "\"): "map.ini"
// and "Terr\<id>.cvmap" for each. Each continent is seeded with `seed` or,
// without one, with second x 100 + minute of the local time. False at once,
// with nothing written, when "map.ini" cannot be created; false as well when
// a terrain file cannot be written.
bool GenerateRandomMaps(const std::string& folder, std::optional<unsigned> seed = std::nullopt);

namespace mapgen {

// The terrain file's bytes of a finished grid.
TerrainMap::Bytes TerrainBytes(const MapGrid& grid);

}  // namespace mapgen
}  // namespace cv
