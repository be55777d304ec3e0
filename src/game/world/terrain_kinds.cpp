#include "game/world/terrain_kinds.h"

#include <cstdio>
#include <map>

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"

namespace cv {
namespace {

uint32_t ParseHex(const std::string& text) {
    unsigned value = 0;
    std::sscanf(text.c_str(), "%X", &value);
    return value;
}

bool StringAt(Dispatcher* node, const std::string& key, std::string& out) {
    Value* value = FindValue(node, key);
    return value && value->GetString(out);
}

std::map<std::string, uint32_t> ReadPalette(Dispatcher* root) {
    std::map<std::string, uint32_t> palette;
    Dispatcher* node = FindNode(root, "TerrPal");
    if (!node) return palette;
    for (const auto& [name, item] : node->children()) {
        std::string colour;
        GetString("TerrPal", item->AsDispatcher(), "Color", colour);
        palette[name] = ParseHex(colour);
    }
    return palette;
}

int KindNumber(const std::string& name) {
    if (name.empty() || name.size() > 3 ||
        name.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(name) >= kTerrainKindCount) {
        FatalError("Invalid terrain kind <%s>", name.c_str());
    }
    return std::stoi(name);
}

uint32_t KindColour(Dispatcher* node, const std::map<std::string, uint32_t>& palette) {
    std::string colour;
    if (StringAt(node, "Color", colour)) {
        auto named = palette.find(colour);
        return named != palette.end() ? named->second : ParseHex(colour);
    }
    auto fallback = palette.find("Default");
    return fallback != palette.end() ? fallback->second : 0xFFA00000u;
}

}  // namespace

TerrainKindTable& TerrainKinds() {
    static TerrainKindTable table;
    return table;
}

void LoadTerrainKinds(Dispatcher* root) {
    TerrainKindTable& table = TerrainKinds();
    table = {};
    const std::map<std::string, uint32_t> palette = ReadPalette(root);
    Dispatcher* terrains = FindNode(root, "Terrains");
    if (!terrains) FatalError("Not found 'Terrains' node");
    constexpr std::pair<const char*, TerrainFlag> kFlagKeys[] = {{"Walk", kTerrainWalk},
                                                                 {"Swim", kTerrainSwim},
                                                                 {"Slow", kTerrainSlow},
                                                                 {"Bridge", kTerrainBridge}};
    for (const auto& [name, item] : terrains->children()) {
        TerrainKind& kind = table[KindNumber(name)];
        Dispatcher* node = item->AsDispatcher();
        for (const auto& [key, flag] : kFlagKeys) {
            int32_t set = 0;
            if (Value* value = FindValue(node, key)) value->GetInt(set);
            if (set != 0) kind.flags |= flag;
        }
        kind.colour = KindColour(node, palette) | 0xFF000000u;
    }
}

std::string TerrainImageName(int kind) {
    char name[16];
    std::snprintf(name, sizeof name, "Terr\\%03d", kind);
    return name;
}

}  // namespace cv
