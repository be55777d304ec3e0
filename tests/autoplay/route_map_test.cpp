#include <gtest/gtest.h>

#include <optional>

#include "autoplay/route_map.h"
#include "game/world/bonus_objects.h"
#include "game/world/dwelling.h"
#include "game_test_support.h"

namespace cv::autoplay {
namespace {

// The knight on the test island at (2, 2), which he has explored from x 0
// to 4 and y 0 to 4 (the island's rows from y = 5 down, '~' water):
//   "......~~"  y = 5
//   ".:::..~~"  ':' swamp
//   "..##..=~"  '#' rock
//   "......~~"  y = 2
class Routes : public test::KnightOnIsle<> {
protected:
    std::optional<Route> To(Cell target, Mover mover, bool ashore = false) {
        const KnownWorld world(*game, 0);
        const RouteMap routes(world, mover);
        return routes.ToStand(
            [&](Cell cell, bool sailing) { return cell == target && !(ashore && sailing); });
    }
    Mover OnFoot(int slowStepCost = 4) const {
        Mover mover;
        mover.at = {2, 2};
        mover.slowStepCost = slowStepCost;
        return mover;
    }
    template <class Object>
    void Put(Cell cell) {
        auto object = MakeRef<Object>();
        object->SetCell(cell);
        game->here().AddObject(object);
    }
};

struct Expected {
    bool found;
    int cost = 0;
    bool endsSailing = false;
};

void ExpectRoute(const std::optional<Route>& route, Expected expected, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(route.has_value(), expected.found);
    if (!route) return;
    EXPECT_EQ(route->cost, expected.cost);
    EXPECT_EQ(route->endsSailing, expected.endsSailing);
}

TEST_F(Routes, OnlyExploredCellsAreCrossed) {
    ExpectRoute(To({4, 2}, OnFoot()), {true, 2}, "the last explored cell of the row");
    ExpectRoute(To({5, 2}, OnFoot()), {false}, "one cell into the fog");
    game->here().Reveal({4, 2});
    ExpectRoute(To({5, 2}, OnFoot()), {true, 3}, "once explored");
}

TEST_F(Routes, SwampCostsADayAndIsWalkedAroundWhenThatIsShorter) {
    game->here().Reveal({2, 3});
    ExpectRoute(To({2, 5}, OnFoot(1)), {true, 3}, "through the swamp at (1, 4)");
    ExpectRoute(To({2, 5}, OnFoot(4)), {true, 4}, "round it by (0, 4) and (1, 5)");
}

TEST_F(Routes, WaterNeedsTheBoatAndTheBoatLandsOnWalkableGround) {
    ExpectRoute(To({3, 0}, OnFoot()), {false}, "no boat");
    Mover boat = OnFoot();
    boat.boat = Cell{2, 1};
    ExpectRoute(To({3, 0}, boat), {true, 2, true}, "aboard at (2, 1), then sailing");
    ExpectRoute(To({3, 3}, boat), {false}, "rock takes no one");
    Mover sailing;
    sailing.at = {2, 1};
    sailing.sailing = true;
    ExpectRoute(To({4, 2}, sailing, true), {true, 2, false}, "ashore from the boat");
}

TEST_F(Routes, ObjectsStopTheWayUnlessTheyAreTakenInPassing) {
    Put<Treasure>({3, 2});
    ExpectRoute(To({4, 2}, OnFoot()), {true, 2}, "over the chest");
    game->here().RemoveObject(game->here().ObjectAt({3, 2}).get());
    Put<Dwelling>({3, 2});
    // Round the rocks through the swamp: (1, 3), (2, 4), (3, 4), (4, 3), (4, 2).
    ExpectRoute(To({4, 2}, OnFoot()), {true, 11}, "round the dwelling");
    const KnownWorld world(*game, 0);
    const std::optional<Route> visit =
        RouteMap(world, OnFoot()).ToVisit([&](Cell cell) { return world.ObjectAt(cell); });
    ASSERT_TRUE(visit);
    EXPECT_EQ(visit->cells, (std::vector<Cell>{{3, 2}}));
}

}  // namespace
}  // namespace cv::autoplay
