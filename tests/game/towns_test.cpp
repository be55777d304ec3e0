// Towns and what they sell besides what their form shows: boats and news
// of their castle; the town gate; and the voyage to another continent.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "castle_fixture.h"
#include "game/world/boat.h"
#include "game/world/continent_travel.h"
#include "game/world/town_gate.h"
#include "game/world/town_services.h"
#include "platform/utf.h"

namespace cv {
namespace {

// "Ford" beside the isle's bay sells news of Redwall, "Dry" stands inland
// with no water near it, and "Port" on Far sells news of Dun.
constexpr const char* kTownRules = R"(
Maps.Isle.Towns {
  Ford { X = 5 Y = 3 Castle = Redwall Spell = FreezeSpell }
  Dry { X = 1 Y = 4 Castle = Nowhere Spell = TownGateSpell }
}
Maps.Far.Towns { Port { X = 5 Y = 3 Castle = Dun Spell = CastleGateSpell } })";

class Towns : public test::CastlesOnIsle {
protected:
    void SetUp() override {
        StartOn(std::string(test::kCastleRules) + kTownRules);
        hero().SetCanUseSpells(true);
    }
    Town& TownNamed(const std::string& name) const {
        for (int i = 0; i < game->world().Count(); ++i) {
            if (Town* town = game->world().Get(i)->FindTown(name)) return *town;
        }
        throw std::logic_error("no town " + name);
    }
};

// A town on rock (10, 10) in open sea, the hero at (12, 12): the nearest
// water beside it unless only a farther one has land around it; equals
// keep the order rows are looked at in.
TEST_F(Towns, ARentedBoatWaitsOnTheNearestWaterWithLandAroundIt) {
    struct Case {
        std::optional<Cell> land;
        Cell hero;
        Cell boat;
    };
    for (const Case& c :
         {Case{std::nullopt, {12, 12}, {11, 11}}, Case{Cell{8, 8}, {12, 12}, {9, 9}},
          Case{std::nullopt, {10, 10}, {9, 9}}, Case{std::nullopt, {10, 13}, {9, 11}}}) {
        Location sea(0, "Sea");
        sea.SetTerrain({10, 10}, 4);
        if (c.land) sea.SetTerrain(*c.land, 1);
        EXPECT_EQ(BoatPlace(sea, {10, 10}, c.hero), c.boat) << c.boat.x << "," << c.boat.y;
    }
    const Location& isle = game->here();
    EXPECT_EQ(BoatPlace(isle, {5, 3}, {2, 2}), (Cell{6, 2}));
    EXPECT_EQ(BoatPlace(isle, {5, 3}, {5, 5}), (Cell{6, 4}));
    EXPECT_EQ(BoatPlace(isle, {1, 4}, {2, 2}), std::nullopt);
}

TEST_F(Towns, ABoatIsRentedForItsGoldOnlyWhereWaterIsAndReturnedAshore) {
    hero().SetGold(299);  // the isle's rent is 300
    EXPECT_FALSE(RentBoat(*game, TownNamed("Ford")));
    EXPECT_EQ(std::tuple(ui.FrontText(), ui.open.front().message.picture, hero().gold()),
              std::tuple(std::string("You don't have enough gold"), std::string("Img\\gold"), 299));
    ui.Answer("Cancel");

    hero().SetGold(300);
    EXPECT_FALSE(RentBoat(*game, TownNamed("Dry")));
    EXPECT_EQ(std::tuple(ui.FrontText(), hero().gold(), game->rentedBoat().get()),
              std::tuple(std::string("No boat can reach this town: there is no water beside it."),
                         300, static_cast<MapObj*>(nullptr)));
    ui.Answer("OK");

    ASSERT_TRUE(RentBoat(*game, TownNamed("Ford")));
    const Ref<MapObj> boat = game->rentedBoat();
    ASSERT_TRUE(boat);
    EXPECT_EQ(std::tuple(hero().gold(), boat->cell(), game->here().ObjectAt({6, 2}).get()),
              std::tuple(0, Cell{6, 2}, boat.get()));
    hero().SetGold(300);
    EXPECT_FALSE(RentBoat(*game, TownNamed("Ford"))) << "one boat at a time";

    EXPECT_TRUE(boat->Visit(*game));
    EXPECT_FALSE(ReturnBoat(*game)) << "not while sailing in it";
    hero().SetTravelMode(TravelMode::kLand);
    EXPECT_TRUE(ReturnBoat(*game));
    EXPECT_EQ(std::tuple(game->rentedBoat().get(), game->here().ObjectAt({6, 2}).get()),
              std::tuple(static_cast<MapObj*>(nullptr), static_cast<MapObj*>(nullptr)));
    EXPECT_TRUE(ui.open.empty());
}

TEST_F(Towns, InformationTellsOfTheTownsOwnCastleOnly) {
    GatherInformation(*game, TownNamed("Dry"));
    EXPECT_TRUE(ui.open.empty()) << "no castle of that name here";
    GatherInformation(*game, TownNamed("Ford"));
    ASSERT_EQ(ui.open.size(), 1u);
    const GameMessage& shown = ui.open.front().message;
    EXPECT_EQ(std::tuple(Utf16ToUtf8(shown.text), shown.picture, shown.justification),
              std::tuple(std::string("Castle Redwall is under no ones's rule.\n - A few Knights"),
                         std::string("Img\\Army\\Armies.Layer 1"), std::string("LT")));
    EXPECT_TRUE(Named("Redwall").flags() & Castle::kRulerKnown);
}

// Seed 5 draws the first of Port's free neighbours.
TEST_F(Towns, TheTownGateLeadsBesideTheTownForOneSpell) {
    EXPECT_FALSE(TownGate(*game, "Port")) << "without the spell";
    hero().spells().Add("TownGateSpell", 1);
    hero().SetCanUseSpells(false);
    EXPECT_FALSE(TownGate(*game, "Port"));
    EXPECT_EQ(ui.FrontText().substr(0, 7), "You can");
    hero().SetCanUseSpells(true);
    EXPECT_FALSE(TownGate(*game, "Nowhere"));

    hero().SetTravelMode(TravelMode::kSail);
    platform::Srand(5);
    ASSERT_TRUE(TownGate(*game, "Port"));
    EXPECT_EQ(std::tuple(hero().continent(), hero().position(), hero().travelMode(),
                         hero().spells().Count("TownGateSpell")),
              std::tuple(1, Cell{4, 4}, TravelMode::kLand, 0));
}

TEST_F(Towns, ASailingHeroReachesAKnownContinentsEntryWithHisBoat) {
    EXPECT_EQ(KnownContinents(*game), std::vector<int>{0});
    hero().SetGold(300);
    ASSERT_TRUE(RentBoat(*game, TownNamed("Ford")));
    EXPECT_FALSE(SailToContinent(*game, 1)) << "not yet sailing";
    game->rentedBoat()->Visit(*game);
    EXPECT_FALSE(SailToContinent(*game, 1)) << "Far is not known";
    hero().AddKnownContinent(1);
    EXPECT_EQ(KnownContinents(*game), (std::vector<int>{0, 1}));
    EXPECT_FALSE(SailToContinent(*game, 2)) << "no such continent";

    const int daysLeft = game->time().daysLeft();
    ASSERT_TRUE(SailToContinent(*game, 1));
    const Ref<MapObj> boat = game->rentedBoat();
    EXPECT_EQ(std::tuple(hero().continent(), hero().position(), boat->continent(), boat->cell()),
              std::tuple(1, Cell{2, 2}, 1, Cell{2, 2}));
    EXPECT_EQ(game->world().Get(0)->ObjectAt({6, 2}), nullptr);
    EXPECT_EQ(game->world().Get(1)->ObjectAt({2, 2}), boat);
    EXPECT_LT(game->time().daysLeft(), daysLeft);
    EXPECT_EQ(game->time().daysLeft() % game->time().daysPerWeek(), 0) << "the week ended";
}

}  // namespace
}  // namespace cv
