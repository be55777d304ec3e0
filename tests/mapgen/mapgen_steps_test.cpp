#include <gtest/gtest.h>

#include "mapgen/carving_walk.h"
#include "mapgen/coastline.h"
#include "mapgen/map_ini_writer.h"
#include "mapgen/placements.h"
#include "mapgen/start_town.h"
#include "mapgen/terrain_classes.h"
#include "mapgen/tile_choice.h"
#include "platform/runtime_rand.h"

namespace cv::mapgen {
namespace {

// A grid whose inner square is all `code`, the rim sea.
MapGrid FilledGrid(uint8_t code) {
    MapGrid grid;
    for (int a = kLandFirst; a <= kLandLast; ++a) {
        for (int b = kLandFirst; b <= kLandLast; ++b) grid.Set(a, b, code);
    }
    return grid;
}

int CountOf(const MapGrid& grid, const TerrainClass& terrainClass) {
    return grid.Count([&](uint8_t cell) { return terrainClass.Holds(cell); });
}

TEST(MapgenPlan, LandAndClassTargetsTruncate) {
    const int expected[kContinentCount] = {2523, 2691, 1009, 3027};
    for (int i = 0; i < kContinentCount; ++i)
        EXPECT_EQ(LandTarget(ContinentPlans()[i]), expected[i]);
    EXPECT_EQ(ClassTarget(30, 2523), 756);
    EXPECT_EQ(ClassTarget(0, 2523), 0);
}

TEST(MapgenClasses, SwampGoesFirstWhenItOutweighsMountainsAndNoneWhenItsShareIsNil) {
    const ContinentPlan swampy{3, 4, 90, 0, 0, 10, 50, 20};
    MapGrid spread = FilledGrid(kPlain);
    platform::Srand(99);
    SpreadClasses(swampy, spread);

    MapGrid byHand = FilledGrid(kPlain);
    platform::Srand(99);
    const int land = 58 * 58;
    SpreadClass(byHand, kSwamp, ClassTarget(20, land));
    SpreadClass(byHand, kForest, ClassTarget(50, land));
    SpreadClass(byHand, kMountains, ClassTarget(10, land));
    EXPECT_EQ(spread, byHand);
    EXPECT_GT(CountOf(spread, kSwamp), 0);

    MapGrid noSwamp = FilledGrid(kPlain);
    platform::Srand(99);
    SpreadClasses({6, 2, 80, 0, 0, 50, 20, 0}, noSwamp);
    EXPECT_EQ(CountOf(noSwamp, kSwamp), 0);
    EXPECT_GT(CountOf(noSwamp, kMountains), 0);
}

TEST(MapgenAccess, ASpotWalledInByMountainsGetsAPathToTheSea) {
    ContinentLayout layout;
    layout.grid = FilledGrid(kClassA);
    layout.treasureSpots = {{30, 30}};
    layout.grid.Set(30, 30, kReserved);
    ASSERT_FALSE(ReachesSea(layout.grid, {30, 30}));
    platform::Srand(5);
    OpenAccess(layout);
    EXPECT_TRUE(ReachesSea(layout.grid, {30, 30}));
    EXPECT_EQ(layout.grid.At(30, 30), kReserved);
    EXPECT_GE(layout.grid.Count([](uint8_t cell) { return cell == kPlain; }), 27);

    // Castles cannot be cut through: the cut gives up instead of running forever.
    MapGrid& grid = layout.grid = FilledGrid(kCastle);
    grid.Set(30, 30, kReserved);
    OpenAccess(layout);
    EXPECT_FALSE(ReachesSea(grid, {30, 30}));
}

// Nobody walks through a town: of a lane's only shore cell and a lone cove,
// only the cove takes one.
TEST(MapgenTowns, ATownStandsByTheSeaWhereItCutsNothingOff) {
    ContinentLayout layout;
    layout.grid = FilledGrid(kClassA);
    for (int b = 11; b < 30; ++b) layout.grid.Set(30, b, kPlain);
    layout.grid.Set(30, 30, kReserved);  // a treasure spot at the end of the lane
    layout.grid.Set(30, 10, kWater);
    layout.grid.Set(10, 10, kPlain);
    layout.grid.Set(10, 9, kWater);
    ContinentPlan plan = ContinentPlans()[0];
    plan.towns = 2;
    platform::Srand(1);
    PlaceTowns(plan, layout);
    EXPECT_EQ(layout.towns, (std::vector<GridPos>{{10, 10}}));
}

// From the king's gate (20, 20) a lane runs east to (24, 20) between the
// mountains, with water below (21, 20) and (24, 20) and a way round (22, 20)
// through (22, 19). (21, 20) would wall the gate in; (22, 20) is the nearest
// cell by the water that cuts nothing off.
TEST(MapgenTowns, TheNearestTownMovesWithinReachOfTheStartUnlessOneIsThere) {
    ContinentLayout layout;
    layout.grid = FilledGrid(kClassA);
    for (int a = 20; a <= 24; ++a) layout.grid.Set(a, 20, kPlain);
    layout.grid.Set(22, 19, kPlain);
    layout.grid.Set(21, 21, kWater);
    layout.grid.Set(24, 21, kWater);
    layout.castles = {{5, 5}, {20, 19}};
    layout.towns = {{50, 50}, {40, 40}};
    for (GridPos town : layout.towns) layout.grid.Set(town, kReserved);
    BringATownToTheStart(layout);
    EXPECT_EQ(layout.towns, (std::vector<GridPos>{{50, 50}, {22, 20}}));
    EXPECT_EQ(std::pair(layout.grid.At(40, 40), layout.grid.At(22, 20)),
              std::pair(uint8_t{kPlain}, uint8_t{kReserved}));
    const ContinentLayout before = layout;
    BringATownToTheStart(layout);
    EXPECT_EQ(layout.towns, before.towns);
}

TEST(MapgenCoast, StepsEndWhenNothingFitsAndFailedChannelsAreUndone) {
    // Land in a checkerboard holds no 2 x 2 block to start a channel from.
    MapGrid checkers;
    for (int a = kLandFirst; a <= kLandLast; ++a) {
        for (int b = kLandFirst; b <= kLandLast; ++b)
            checkers.Set(a, b, (a + b) % 2 ? kPlain : kCastle);
    }
    const MapGrid before = checkers;
    Erode(checkers, 0);
    EXPECT_EQ(checkers, before);
    EXPECT_FALSE(DrawCell([](int, int) { return false; }));

    // Water between two castle cells has no plain neighbour to widen into.
    MapGrid pinched = FilledGrid(kCastle);
    pinched.Set(20, 20, kWater);
    RemoveThinWater(pinched);
    EXPECT_EQ(pinched.At(20, 20), kWater);
    EXPECT_EQ(pinched.Count([](uint8_t cell) { return cell == kWater; }), 64 * 64 - 58 * 58 + 1);

    // Fenced in by castles, a channel cannot reach the rim and leaves nothing behind.
    MapGrid fenced = FilledGrid(kPlain);
    for (int i = 10; i <= 20; ++i) {
        for (GridPos cell : {GridPos{i, 10}, {i, 20}, {10, i}, {20, i}}) fenced.Set(cell, kCastle);
    }
    const MapGrid unfenced = fenced;
    platform::Srand(1);
    EXPECT_FALSE(CarveToRim(fenced, {14, 14}, 1));
    EXPECT_EQ(fenced, unfenced);
    EXPECT_TRUE(CarveToRim(fenced, {30, 30}, 4));
    EXPECT_EQ(fenced.At(59, 30), kWater);
}

TEST(MapgenTiles, ClassSquaresAndShoreTakeTheirEdgeAndCornerTiles) {
    MapGrid grid;
    for (int a = 10; a <= 14; ++a) {
        for (int b = 10; b <= 14; ++b) grid.Set(a, b, kPlain);
    }
    for (int a = 11; a <= 13; ++a) {
        for (int b = 11; b <= 13; ++b) grid.Set(a, b, kClassA);
    }
    ChooseTiles(grid);
    const struct {
        GridPos cell;
        uint8_t tile;
    } expected[] = {{{11, 11}, 20}, {{11, 13}, 21}, {{13, 11}, 25}, {{13, 13}, 26}, {{12, 11}, 22},
                    {{12, 13}, 2},  {{11, 12}, 23}, {{13, 12}, 24}, {{12, 12}, 31}, {{10, 10}, 56},
                    {{10, 14}, 57}, {{14, 10}, 61}, {{14, 14}, 62}, {{12, 10}, 58}, {{12, 14}, 3}};
    for (const auto& e : expected) {
        EXPECT_EQ(grid.At(e.cell), e.tile) << e.cell.a << "," << e.cell.b;
    }
}

TEST(MapgenIni, NumbersKeepThreeDigitsAndOnlyTheKingsContinentHasItsPlaces) {
    ContinentLayout layout;
    for (int i = 0; i < 11; ++i) layout.treasureSpots.push_back({i + 4, 10});
    layout.castles = {{20, 20}};
    layout.spellTeacher = GridPos{30, 40};
    const std::string kings = ContinentSection(0, ContinentPlans()[0], layout);
    EXPECT_NE(kings.find("\t009 { X=13\tY=53 }\n\t010 { X=14\tY=53 }\n"), std::string::npos);
    EXPECT_NE(
        kings.find("    Misc { @\n      Velmire {\n\tType = \"TeachSpells\"\n\tX = 30\tY = 23\n"
                   "\tCost = 5000\n      }\n      KingsCastle {\n\tType = \"KingsCastle\"\tX "
                   "= 20\tY = 43\n      }\n    }\n  } ; end of Thornmere\n"),
        std::string::npos);
    const std::string other = ContinentSection(1, ContinentPlans()[1], layout);
    EXPECT_NE(other.find("    Misc { @\n    }\n  } ; end of Ashfall\n"), std::string::npos);
    EXPECT_NE(other.find("    MapIcon = \"Img\\\\Inv\\\\A6\"\n"), std::string::npos);
    EXPECT_EQ(MapIniClosing(layout),
              "} ; end of maps definition\nStartHero.X0 = 20\nStartHero.Y0 = 42\n");
}

}  // namespace
}  // namespace cv::mapgen
