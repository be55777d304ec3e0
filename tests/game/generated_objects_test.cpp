#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "game/world/generated_objects.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "world_test_support.h"

namespace cv {
namespace {

// Cells (10, 2), (11, 2) ... lie 8, 9 ... cells from the Isle's entry (2, 2).
std::string Cells(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += std::to_string(i) + " { X = " + std::to_string(10 + i) + " Y = 2 } ";
    }
    return text;
}

TEST(GeneratedObjects, ShuffledCellsGoToEachKindInTurn) {
    test::LoadIsleRules();
    Parse(*Root(), "Artifacts { @ A1 { Map = Far } A3 { Map = Isle } }");
    Parse(*Root(), "Maps.Isle.Enemies.Legends { 0 { Weight = 1 Pikemen { Count = 6 } } }");
    // The shuffle swaps cell i with rand_n(i); worked through by hand from
    // each seed's draws, which go on into the dwellings and the bands.
    const std::tuple<int, const char*, unsigned, std::string> cases[] = {
        {3, "NextMap = Far Teleports = 1", 1,  // only one cell left for the pair
         "NextMap 11,2 Far; Art 12,2 A3; RndBonus 10,2; "},
        {5, "RecruitsMin = 2 RecruitsMax = 2", 1,
         "Art 13,2 A3; Recr 12,2 Peasants; Recr 10,2 Peasants; RndBonus 14,2; RndBonus 11,2; "},
        {5, "RecruitsMin = 2 RecruitsMax = 3", 1,
         "Art 13,2 A3; Recr 12,2 Peasants; Recr 10,2 Peasants; RndBonus 14,2; RndBonus 11,2; "},
        {5, "RecruitsMin = 2 RecruitsMax = 4", 1,
         "Art 13,2 A3; Recr 12,2 Peasants; Recr 10,2 Peasants; Recr 14,2 Peasants; "
         "RndBonus 11,2; "},
        {5, "RecruitsMin = 2 RecruitsMax = 4", 3,
         "Art 13,2 A3; Recr 14,2 Peasants; Recr 11,2 Peasants; RndBonus 12,2; RndBonus 10,2; "},
        // Drawn in the order Knights (15), Archers (19), Militia (16).
        {10,
         "Teleports = 2 ShowMap = 1 JoinMin = 1 JoinMax = 1 RecruitsMin = 3 RecruitsMax = 3 "
         "Recruits { AvailList = \"Knights,Militia\" AvailList2 = Archers SampleReplacement = 0 "
         "SortByDist = 1 }",
         1,
         "Art 13,2 A3; Teleport 12,2>17; Teleport 17,2>12; Teleport 14,2>11; Teleport 11,2>14; "
         "ShowMap 10,2; Recr 15,2 Militia; Recr 16,2 Archers; Recr 19,2 Knights; "
         "Join 18,2 Pikemen:6; "},
    };
    for (const auto& [cells, bonusDef, seed, layout] : cases) {
        Parse(*Root(), "Maps.Isle { BonusDef { @ " + std::string(bonusDef) + " } }");
        Parse(*Root(), "Maps.Isle { Bonuses { @ " + Cells(cells) + " } }");
        auto isle = MakeRef<Location>(0, "Isle");
        isle->ReadHeader(FindNode(Root(), "Maps.Isle"));
        platform::Srand(seed);
        PlaceGenerated(*isle, FindNode(Root(), "Maps.Isle.Bonuses"));
        EXPECT_EQ(test::Layout(*isle), layout) << bonusDef << " " << seed;
    }
}

}  // namespace
}  // namespace cv
