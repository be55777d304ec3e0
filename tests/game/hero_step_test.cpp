#include <gtest/gtest.h>

#include <tuple>

#include "core/config_parser.h"
#include "game/world/hero_step.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "test_marker.h"

namespace cv {
namespace {

class HeroStep : public test::KnightOnIsle<> {
protected:
    void SetUp() override {
        platform::Srand(5);
        KnightOnIsle::SetUp();
    }
    Cell Position() const { return game->hero().position(); }
    void Step(int dx, int dy) { StepHero(*game, dx, dy); }
};

TEST_F(HeroStep, WalkingKeepsToWalkableGroundInsideTheMap) {
    const TerrainMap& terrain = game->here().terrain();
    EXPECT_TRUE(terrain.IsExplored({4, 4}) && !terrain.IsExplored({5, 4}));
    // Position, facing left, step counter (four a day) and days left after a step.
    auto after = [&](int dx, int dy) {
        Step(dx, dy);
        return std::tuple(Position(), game->hero().facingLeft(), game->time().stepCounter(),
                          game->time().daysLeft());
    };
    EXPECT_EQ(after(1, 0), std::tuple(Cell{3, 2}, false, 1, 600));
    EXPECT_TRUE(terrain.IsExplored({5, 4}) && !terrain.IsExplored({5, 5}));
    EXPECT_EQ(after(-1, 1), std::tuple(Cell{3, 2}, true, 1, 600));  // rock: turned all the same
    EXPECT_EQ(after(0, -1), std::tuple(Cell{3, 2}, true, 1, 600));  // water: no step counted
    EXPECT_EQ(after(-1, 0), std::tuple(Cell{2, 2}, true, 2, 600));
    EXPECT_EQ(after(-1, 0), std::tuple(Cell{1, 2}, true, 3, 600));
    EXPECT_EQ(after(-1, 0), std::tuple(Cell{0, 2}, true, 0, 599));
    EXPECT_EQ(after(-1, 0), std::tuple(Cell{0, 2}, true, 0, 599));  // off the map
    EXPECT_EQ(after(0, 1), std::tuple(Cell{0, 3}, true, 1, 599));
    EXPECT_EQ(after(1, 1), std::tuple(Cell{1, 4}, false, 0, 598));  // slow: a whole day
}

TEST_F(HeroStep, ObjectsAreVisitedAndReactToEachStep) {
    Location& isle = game->here();
    Ref<test::Marker> gate = test::MakeMarker("Gate", {3, 2}, true);
    Ref<test::Marker> post = test::MakeMarker("Post", {5, 5}, false);
    isle.AddObject(gate);
    isle.AddObject(post);
    EXPECT_FALSE(isle.IsUsable({3, 2}));
    Step(1, 0);
    EXPECT_EQ(Position(), (Cell{2, 2}));
    EXPECT_EQ(gate->visits, 1);
    EXPECT_EQ(post->steps, 0);
    gate->blocks = false;
    Step(1, 0);
    EXPECT_EQ(Position(), (Cell{3, 2}));
    EXPECT_EQ(post->steps, 1);
    EXPECT_EQ(gate->steps, 1);
    ui.ShowMessage({}, {});  // a dialog covers the map: the reactions stop
    Step(1, 0);
    EXPECT_EQ(post->steps, 1);
}

TEST_F(HeroStep, SailingCarriesTheBoatAndGoingAshoreLeavesIt) {
    Ref<test::Marker> boat = test::MakeMarker("Boat", {6, 2}, false);
    game->SetRentedBoat(boat);
    game->PlaceHero(0, {6, 2});
    game->hero().SetTravelMode(TravelMode::kSail);
    auto after = [&](int dx, int dy) {
        Step(dx, dy);
        return std::tuple(Position(), boat->cell(), game->hero().travelMode());
    };
    EXPECT_EQ(after(1, 0), std::tuple(Cell{7, 2}, Cell{7, 2}, TravelMode::kSail));
    // Water that takes a bridge is still water.
    EXPECT_EQ(after(-1, 1), std::tuple(Cell{6, 3}, Cell{6, 3}, TravelMode::kSail));
    EXPECT_EQ(after(-1, 0), std::tuple(Cell{5, 3}, Cell{6, 3}, TravelMode::kLand));  // ashore
    EXPECT_EQ(after(1, 0), std::tuple(Cell{5, 3}, Cell{6, 3}, TravelMode::kLand));   // on foot
}

TEST_F(HeroStep, FlyingPassesOverEverythingAndLandsOnlyOnFreeGround) {
    EXPECT_FALSE(TakeOff(*game));  // Militia cannot carry him
    game->hero().army().Clear();
    game->hero().army().Parse("Vampires:2");
    ASSERT_TRUE(TakeOff(*game));
    Ref<test::Marker> gate = test::MakeMarker("Gate", {3, 3}, true);
    game->here().AddObject(gate);
    // Where he is after a step, and whether he can land there.
    auto after = [&](int dx, int dy) {
        Step(dx, dy);
        return std::pair(Position(), Land(*game));
    };
    EXPECT_EQ(after(0, 1), std::pair(Cell{2, 3}, false));  // rock
    EXPECT_EQ(after(1, 0), std::pair(Cell{3, 3}, false));  // the object, not visited
    EXPECT_EQ(gate->visits, 0);
    EXPECT_EQ(after(1, 0), std::pair(Cell{4, 3}, true));
    EXPECT_EQ(game->hero().travelMode(), TravelMode::kLand);
}

TEST_F(HeroStep, TheSceptreLiesOnAUsableCell) {
    const Hero& hero = game->hero();
    EXPECT_EQ(hero.sceptreContinent(), 0);
    EXPECT_TRUE(game->here().IsUsable(hero.sceptreCell()));
    World sea;
    folder.WriteTerrain("Isle", std::string(4096, '\0'));
    sea.LoadAll(Root());
    EXPECT_EQ(test::ErrorOf([&] { HideSceptre(sea, game->hero()); }),
              "Cant locate Sceptre position");
}

}  // namespace
}  // namespace cv
