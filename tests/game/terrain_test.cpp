#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/config_parser.h"
#include "game/world/terrain_kinds.h"
#include "game/world/world.h"
#include "game_test_support.h"

namespace cv {
namespace {

using test::ErrorOf;

class Terrain : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadIsleRules();
        folder.WriteTerrain("Isle", test::IsleTerrain());
    }
    void Merge(const std::string& text) { Parse(*Root(), text); }
    test::GameFolder folder;
};

TEST_F(Terrain, KindsTakeFlagsAndColoursFromTheRules) {
    const TerrainKindTable& kinds = TerrainKinds();
    EXPECT_EQ(kinds[1].colour, 0xFF33AA33u);  // the palette's "Grass"
    EXPECT_EQ(kinds[2].colour, 0xFF0080FFu);  // "80FF" names no palette entry
    EXPECT_EQ(kinds[3].flags, kTerrainSwim | kTerrainBridge);
    EXPECT_EQ(kinds[3].colour, 0xFF101010u);  // no colour: the palette's "Default"
    EXPECT_EQ(kinds[5].colour, 0u);           // not defined
    Merge("TerrPal { @ }");
    LoadTerrainKinds(Root());
    EXPECT_EQ(TerrainKinds()[3].colour, 0xFFA00000u);
    Merge("Terrains.128.Walk = 1");
    EXPECT_EQ(ErrorOf([] { LoadTerrainKinds(Root()); }), "Invalid terrain kind <128>");
    SetRoot(MakeRef<Dispatcher>());
    EXPECT_EQ(ErrorOf([] { LoadTerrainKinds(Root()); }), "Not found 'Terrains' node");
}

TEST_F(Terrain, MapFilesAreReadWholeAndCellsClippedAtTheEdges) {
    TerrainMap map;
    map.LoadFile("Terr\\Isle.cvmap");  // the top row comes first
    EXPECT_EQ(map.KindAt({3, 3}), 4);
    EXPECT_EQ(map.KindAt({6, 3}), 3);
    EXPECT_EQ(map.KindAt({40, 40}), 0);
    for (uint8_t byte : map.bytes()) ASSERT_TRUE(byte & TerrainMap::kUnexplored);
    map.SetKind({6, 3}, 1);
    EXPECT_EQ(map.ByteAt({6, 3}), TerrainMap::kUnexplored | 1);
    map.SetKind({-1, 0}, 3);  // ignored
    map.Reveal({0, 0});       // clipped to 3 x 3
    EXPECT_EQ(std::count_if(map.bytes().begin(), map.bytes().end(),
                            [](uint8_t byte) { return !(byte & TerrainMap::kUnexplored); }),
              9);
    EXPECT_TRUE(map.IsExplored({2, 2}) && !map.IsExplored({3, 0}));
    for (Cell outside : {Cell{-1, 5}, Cell{64, 0}, Cell{3, 64}}) EXPECT_EQ(map.ByteAt(outside), 0);
    folder.WriteTerrain("Short", std::string(4095, '\1'));
    folder.WriteTerrain("Long", std::string(4097, '\1'));
    EXPECT_EQ(ErrorOf([&] { map.LoadFile("Terr\\Short.cvmap"); }), "Invalid map size");
    EXPECT_EQ(ErrorOf([&] { map.LoadFile("Terr\\Long.cvmap"); }), "Invalid map size");
    EXPECT_EQ(ErrorOf([&] { map.LoadFile("Terr\\None.cvmap"); }),
              "Resource not found: Terr\\None.cvmap");
}

TEST_F(Terrain, ContinentsLoadByIndexWithTheirParameters) {
    folder.WriteTerrain("Other", test::IsleTerrain());
    Merge("Maps.Ridge { Index = 2 X0 = 1 Y0 = 1 EnemyIcon = a MapIcon = b Map = \"Other.cvmap\" }");
    World world;
    world.LoadAll(Root());
    ASSERT_EQ(world.Count(), 3);
    EXPECT_FALSE(world.Get(1));
    EXPECT_FALSE(world.Get(3));
    EXPECT_EQ(&world.Find("Ridge"), world.Get(2));
    EXPECT_EQ(ErrorOf([&] { world.Find("Nowhere"); }), "Invalid Continent ID: Nowhere");
    const Location& isle = *world.Get(0);
    EXPECT_EQ(isle.castleArmy(), "11");  // from "Enemies"
    EXPECT_TRUE(isle.IsStop({5, 4}));
    EXPECT_FALSE(isle.IsStop({4, 4}));
    // The "AvailList" lists joined, "Other" left out; none at all: Peasants.
    EXPECT_EQ(isle.bonus().recruits, (std::vector<std::string>{"Militia", "Archers", "Knights"}));
    EXPECT_EQ(world.Get(2)->bonus().recruits, std::vector<std::string>{"Peasants"});
}

TEST_F(Terrain, ContinentDefinitionErrors) {
    World world;
    auto errorWith = [&](const std::string& maps) {
        test::LoadRules(test::kTestRules);
        Merge(maps);
        return ErrorOf([&] { world.LoadAll(Root()); });
    };
    EXPECT_EQ(errorWith(""), "'Maps' Object not found in global Root");
    EXPECT_EQ(errorWith("Maps.A.X0 = 1"), "Not found 'Index' variable in A map");
    EXPECT_EQ(errorWith("Maps.A.Index = -1"), "Invalid Index=0 in map 'A'");
    EXPECT_EQ(errorWith("Maps.A.Index = 16"), "Invalid Index=17 in map 'A'");
    EXPECT_EQ(errorWith("Maps.A.Index = 0"), "Not found ID <X0> in Location A");
    EXPECT_EQ(errorWith("Maps.A { Index = 0 X0 = 1 Y0 = 1 EnemyIcon = a MapIcon = b }"),
              "Resource not found: Terr\\A.cvmap");
}

TEST_F(Terrain, UsableCellsAndRandomNeighbours) {
    World world;
    world.LoadAll(Root());
    Location& isle = *world.Get(0);
    EXPECT_TRUE(isle.IsUsable({0, 5}));  // unexplored does not matter; slow, rock, water do
    EXPECT_FALSE(isle.IsUsable({1, 4}) || isle.IsUsable({2, 3}) || isle.IsUsable({6, 3}));
    // Around (2,4): (1,5) (2,5) (3,5) usable, (1,4) (3,4) slow, (1,3) usable, rock below.
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 200; ++i) {
        Cell c = isle.RandomUsableNeighbour({2, 4});
        seen.insert({c.x, c.y});
    }
    EXPECT_EQ(seen, (std::set<std::pair<int, int>>{{1, 5}, {2, 5}, {3, 5}, {1, 3}}));
    EXPECT_EQ(isle.RandomUsableNeighbour({40, 40}), (Cell{40, 40}));  // open sea
}

}  // namespace
}  // namespace cv
