#include "game/world/terrain_map.h"

#include <algorithm>
#include <cstring>

#include "core/fatal_error.h"
#include "core/resource_groups.h"

namespace cv {

uint8_t TerrainMap::ByteAt(Cell cell) const {
    return IsOnContinent(cell) ? bytes_[IndexOf(cell)] : 0;
}

void TerrainMap::SetKind(Cell cell, int kind) {
    if (!IsOnContinent(cell)) return;
    uint8_t& byte = bytes_[IndexOf(cell)];
    byte = static_cast<uint8_t>((byte & kUnexplored) | (kind & 0x7F));
}

void TerrainMap::Reveal(Cell centre) {
    for (int y = std::max(centre.y - 2, 0); y <= std::min(centre.y + 2, kContinentSize - 1); ++y) {
        for (int x = std::max(centre.x - 2, 0); x <= std::min(centre.x + 2, kContinentSize - 1);
             ++x) {
            bytes_[IndexOf({x, y})] &= static_cast<uint8_t>(~kUnexplored);
        }
    }
}

void TerrainMap::LoadFile(const std::string& resource) {
    std::string data = ReadAll(*OpenResourceOrFail(resource));
    if (data.size() != kBytes) FatalError("Invalid map size");
    std::memcpy(bytes_.data(), data.data(), kBytes);
    for (uint8_t& byte : bytes_) byte |= kUnexplored;
}

}  // namespace cv
