#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "core/ref_counted.h"

namespace cv {

enum UnitFlag : uint32_t {
    kUnitFly = 1,
    kUnitUnspell = 2,
    kUnitVamp = 4,
    kUnitGhost = 8,
    kUnitHalf = 16,
    kUnitSpellShoot = 32,
    kUnitHitsRegenerate = 64,
};

// Where units come from; a dwelling of a source with a terrain paints the
// ground under itself.
struct UnitSource {
    std::string id;
    uint32_t colour = 0;  // 0xAARRGGBB, alpha always 255
    int terrain = -1;     // terrain kind, or -1 for none
};

// One unit kind of the rules file. Shared by reference so that squads stay
// valid while the tables are rebuilt.
struct SquadDef : RefCounted {
    std::string id;
    uint32_t flags = 0;
    int skillLevel = 0;
    int moves = 0;
    int hitPoints = 0;  // of one unit
    int meleeMin = 0;
    int meleeMax = 0;
    int rangedMin = 0;
    int rangedMax = 0;
    int pay = 0;     // gold per unit per week
    int cost = 0;    // gold per recruited unit
    int spoils = 0;  // gold per unit killed on the enemy side
    int leadership = 0;
    std::string source;
    int available = 0;  // dwelling population
    int shots = 0;
    std::set<std::string> lowMorale;
    std::set<std::string> highMorale;

    bool Has(UnitFlag flag) const { return (flags & flag) != 0; }
    std::string StillPicture() const { return "Img\\Army\\" + id + ".Layer 1"; }
    std::string AnimationName() const { return "Army:" + id; }
};

}  // namespace cv
