#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "core/dispatcher.h"
#include "game/combat/battle_field.h"
#include "game/combat/tactics_map.h"
#include "platform/runtime_rand.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

TEST(TacticsMapTable, ReadsItemsAndRefusesBrokenOnes) {
    auto load = [](const std::string& text) {
        Ref<Dispatcher> root = MakeRef<Dispatcher>();
        Parse(*root, text);
        return ErrorOf([&] { TacticsMap().Load(root.get()); });
    };
    EXPECT_EQ(load(R"(TacticsMap { 0 { Img = "Ground" Free = 1 } 2 { Img = "Tree" } })"),
              "no error");
    EXPECT_TRUE(TacticsMap().ItemFor(0).free);
    EXPECT_EQ(TacticsMap().ItemFor(2).image, "Tree");
    EXPECT_FALSE(TacticsMap().ItemFor(2).free);
    EXPECT_EQ(ErrorOf([] { TacticsMap().ItemFor(1); }), "Invalid value <1> for Tactics Map");
    EXPECT_EQ(load("Other = 1"), "Not found 'TacticsMap' in Root dispatcher");
    EXPECT_EQ(load(R"(TacticsMap { 1 { Img = "A" } 01 { Img = "B" } })"),
              "Duplicate id=1 in TacticsMap");
    EXPECT_EQ(load(R"(TacticsMap { 3 { Free = 1 } })"),
              "Not found 'Img' variable in TacticsMap item 3");
}

TEST(Battlefield, ObstaclesAlwaysLeaveTheCornersJoined) {
    bool sawEmptyField = false;
    for (unsigned seed = 0; seed < 300; ++seed) {
        platform::Srand(seed);
        Battlefield field;
        field.PlaceObstacles();
        ASSERT_TRUE(field.Joined({0, 0}, {4, 4})) << seed;
        int obstacles = 0;
        for (int y = 0; y < Battlefield::kHeight; ++y) {
            for (int x = 0; x < Battlefield::kWidth; ++x) {
                const int id = field.At({x, y});
                if (id == 0) continue;
                ++obstacles;
                EXPECT_TRUE(x >= 1 && x <= 4 && (id == 1 || id == 2)) << seed;
            }
        }
        sawEmptyField = sawEmptyField || obstacles == 0;
    }
    EXPECT_TRUE(sawEmptyField);  // no obstacles drawn is a field like any other
}

TEST(Battlefield, PathsGoAroundObstaclesAndSquads) {
    Battlefield field;
    for (int y = 0; y < 4; ++y) field.Set({2, y}, 1);  // a wall with a gap at the top row
    EXPECT_FALSE(field.IsPassable({2, 3}));
    EXPECT_FALSE(field.IsPassable({6, 0}));
    const auto none = [](Cell) { return false; };
    const PathMap paths = field.PathsFrom({0, 0}, none);
    EXPECT_EQ(paths.DistanceTo({4, 4}), 6);
    EXPECT_EQ(paths.DistanceTo({3, 0}), 8);
    const Cell step = paths.FirstStepTo({4, 4});
    EXPECT_EQ(paths.DistanceTo(step), 1);
    EXPECT_EQ(field.PathsFrom(step, none).DistanceTo({4, 4}), 5);
    // A squad in the gap closes it; the mover's own cell never blocks.
    const auto gapTaken = [](Cell c) { return c == Cell{2, 4} || c == Cell{0, 0}; };
    EXPECT_EQ(field.PathsFrom({0, 0}, gapTaken).DistanceTo({4, 4}), PathMap::kUnreachable);
    EXPECT_TRUE(field.Joined({0, 0}, {4, 4}));
    field.Set({2, 4}, 2);
    EXPECT_FALSE(field.Joined({0, 0}, {4, 4}));
}

}  // namespace
}  // namespace cv
