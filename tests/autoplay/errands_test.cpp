#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "autoplay/errands.h"
#include "autoplay/game_rules.h"
#include "game/world/town_services.h"
#include "platform/runtime_rand.h"

namespace cv::autoplay {
namespace {

// A new knight of the game folder's rules (7500 gold, a pay of 48 against a
// commission of 1000; boats at 500, siege weapons at 3000) in a town of the
// first continent.
class TownErrands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { LoadGameRules(CORVANTH_GAME_DIR); }
    void SetUp() override {
        platform::Srand(1);
        game = RunningGame::NewGame("Knight", u"Arthur", 0, 0);
        town = game->world().Get(0)->towns().front().get();
    }
    TownErrand Next(std::set<TownErrand> done) const {
        return NextTownErrand(*game, memory, *town, done);
    }

    Ref<RunningGame> game;
    PlayerMemory memory;
    Town* town = nullptr;
};

using E = TownErrand;

TEST_F(TownErrands, TheNewsFirstThenAContractForAHeroWithout) {
    EXPECT_EQ(Next({}), E::kNews);
    EXPECT_EQ(Next({E::kNews}), E::kContract);
    EXPECT_EQ(Next({E::kNews, E::kContract}), E::kLeave);
}

TEST_F(TownErrands, SiegeWeaponsOnceTheHuntIsOnAndTheSpareGoldPaysThem) {
    game->hero().SetCurrentContract(ChooseContract(*game));
    ASSERT_GE(game->hero().currentContract(), 0);
    struct Row {
        int gold;
        bool weapons;
        E next;
    };
    // 500 of the gold stay for a boat's rent.
    for (const Row& row : std::vector<Row>{
             {3500, false, E::kSiegeWeapons}, {3499, false, E::kLeave}, {7500, true, E::kLeave}}) {
        SCOPED_TRACE(row.gold);
        game->hero().SetGold(row.gold);
        game->hero().SetSiegeWeapons(row.weapons);
        EXPECT_EQ(Next({E::kNews}), row.next);
    }
}

TEST_F(TownErrands, ABoatAskedForIsRentedAnOldOneGivenBackFirst) {
    const std::set<TownErrand> done{E::kNews, E::kContract};
    EXPECT_EQ(Next(done), E::kLeave);
    memory.wantBoat = true;
    EXPECT_EQ(Next(done), E::kRentBoat);
    ASSERT_TRUE(RentBoat(*game, *town));
    EXPECT_EQ(Next(done), E::kReturnBoat);
    game->hero().SetTravelMode(TravelMode::kSail);  // not from on board
    EXPECT_EQ(Next(done), E::kLeave);
}

}  // namespace
}  // namespace cv::autoplay
