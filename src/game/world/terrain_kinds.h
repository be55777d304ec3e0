#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/dispatcher.h"

namespace cv {

enum TerrainFlag : uint32_t {
    kTerrainWalk = 1,
    kTerrainSwim = 2,
    kTerrainSlow = 4,
    kTerrainBridge = 8,
};

struct TerrainKind {
    uint32_t flags = 0;
    uint32_t colour = 0;  // 0xAARRGGBB on the small map
    bool Has(TerrainFlag flag) const { return (flags & flag) != 0; }
};

constexpr int kTerrainKindCount = 128;
using TerrainKindTable = std::array<TerrainKind, kTerrainKindCount>;

// The terrain kinds of the rules; kinds the rules leave out have no flags.
TerrainKindTable& TerrainKinds();

// Reads "Terrains" (fatal "Not found 'Terrains' node" when missing), with
// colours named through "TerrPal". A child whose name is not a kind 0..127
// is fatal "Invalid terrain kind <%s>".
void LoadTerrainKinds(Dispatcher* root);

// "Terr\%03d": the picture of a kind.
std::string TerrainImageName(int kind);

}  // namespace cv
