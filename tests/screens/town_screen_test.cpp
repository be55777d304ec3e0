// A town's form as a player uses it: each service enabled exactly while it
// can be had and shown anew after each purchase; the gate list of the towns
// visited; and the choice of continent when sailing on.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/key_codes.h"
#include "core/config_parser.h"
#include "gui/form_reader.h"
#include "screens/game_menu.h"
#include "screens/list_box.h"
#include "screens_test_support.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

// "Portby" sells the time stop (200 gold) on the isle, water east of it;
// "Far" and "Deep" are further continents.
constexpr const char* kTownRules = R"(
Maps.Isle.Towns { Portby { X = 5 Y = 4 Spell = "TimeStopSpell" } }
Maps.Far { Index = 1 X0 = 3 Y0 = 2 EnemyIcon = "FarIcon" MapIcon = m }
Maps.Deep { Index = 2 X0 = 4 Y0 = 3 EnemyIcon = "DeepIcon" MapIcon = m })";

// A service's text and whether it can be pressed.
using Offer = std::pair<std::u16string, bool>;

class TownScreens : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"Town", "SelectContract", "SelectContinent", "TownsList", "WeekReport"});
        WritePictures({"Forms/Town/ground", "Img/UI/Weapon1"});
        OnIsleScreens::SetUp();
        Parse(*Root(), kTownRules);
        test::LoadTestSpells();
        for (const char* continent : {"Far", "Deep"})
            folder.WriteTerrain(continent, test::IsleTerrain());
        Restart();
        town = game->here().FindTown("Portby");
    }

    Offer Shown(const std::string& name) const { return {Text(name), OnTop(name).isEnabled()}; }
    void Enter() {
        town->Visit(*game);
        ASSERT_EQ(Top(), "Town");
    }
    void Leave() {
        TapOnDialog("Header");
        ASSERT_EQ(Top(), "");
    }

    Town* town = nullptr;
};

TEST_F(TownScreens, TheSpellIsPricedAlwaysAndSoldOnlyWhileACopyFitsAndIsPaid) {
    const struct {
        bool canCast;
        int capacity, owned, gold;
        Offer offer;
    } cases[] = {
        {false, 3, 0, 7500, {u"TimeStopSpell (200)", false}},
        {true, 3, 3, 7500, {u"TimeStopSpell (200)", false}},
        {true, 3, 1, 199, {u"TimeStopSpell (200)", false}},
        {true, 3, 1, 200, {u"TimeStopSpell (200): 1", true}},
        {true, 3, 1, 399, {u"TimeStopSpell (200): 1", true}},
        {true, 3, 1, 7500, {u"TimeStopSpell (200): 2", true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gold);
        hero().SetCanUseSpells(c.canCast);
        hero().AddMaxSpells(c.capacity - hero().maxSpells());
        hero().spells().Remove("TimeStopSpell", hero().spells().Count("TimeStopSpell"));
        hero().spells().Add("TimeStopSpell", c.owned);
        hero().SetGold(c.gold);
        Enter();
        EXPECT_EQ(Shown("Item4"), c.offer);
        Leave();
    }
    // Bought with 399: the gold and the offer follow at once.
    hero().SetGold(399);
    Enter();
    TapOnDialog("Item4");
    EXPECT_EQ(hero().spells().Count("TimeStopSpell"), 2);
    EXPECT_EQ(Shown("GP").first, u"GP=199");
    EXPECT_EQ(Shown("Item4"), Offer(u"TimeStopSpell (200)", false));
}

TEST_F(TownScreens, SiegeWeaponsAreSoldForExactlyTheirPriceAndThenNoLongerOffered) {
    hero().SetGold(2999);
    Enter();
    EXPECT_EQ(Shown("Item5"), Offer(u"Buy siege weapons (3,000)", false));
    Leave();
    hero().SetGold(3000);
    Enter();
    EXPECT_EQ(Shown("Item5"), Offer(u"Buy siege weapons (3,000)", true));
    TapOnDialog("Item5");
    EXPECT_TRUE(hero().hasSiegeWeapons());
    EXPECT_EQ(Shown("GP").first, u"GP=0");
    EXPECT_EQ(Shown("Item5"), Offer(u"", false));
    Key(kKeyEsc);
    EXPECT_EQ(Top(), "");
    hero().SetSiegeWeapons(false);
    Parse(*Root(), "SiegeWeaponsCost = 1200");
    Enter();
    EXPECT_EQ(Shown("Item5"), Offer(u"Buy siege weapons (1,200)", false));
}

TEST_F(TownScreens, TheBoatIsRentedAndGivenBackButNotFromOnBoard) {
    Enter();
    EXPECT_EQ(Shown("Item2"), Offer(u"Rent boat (300 week)", true));
    TapOnDialog("Item2");
    ASSERT_TRUE(game->rentedBoat());
    EXPECT_EQ(std::pair(Shown("Item2"), Shown("GP").first),
              std::pair(Offer(u"Cancel boat rental", true), std::u16string(u"GP=7,200")));
    Leave();
    hero().SetTravelMode(TravelMode::kSail);
    Enter();
    EXPECT_EQ(Shown("Item2"), Offer(u"Cancel boat rental", false));
    Leave();
    hero().SetTravelMode(TravelMode::kLand);
    Enter();
    TapOnDialog("Item2");
    EXPECT_FALSE(game->rentedBoat());
    EXPECT_EQ(Shown("Item2"), Offer(u"Rent boat (300 week)", true));
}

TEST_F(TownScreens, TheContractsOpenOverTheTownAndTheVisitedTownIsAGate) {
    Enter();
    EXPECT_EQ(Shown("Town").first, u"Town of Portby");
    TapOnDialog("Item1");
    EXPECT_EQ(Top(), "SelectContract");
    Key(kKeyEsc);
    EXPECT_EQ(Top(), "Town");
    Leave();

    hero().spells().Add("TownGateSpell", 2);
    Ui().OpenScreen("TownGate", {});
    ASSERT_EQ(Top(), "TownsList");
    EXPECT_EQ(std::pair(Shown("Header").first, Shown("Count").first),
              std::pair(std::u16string(u"Towns List"), std::u16string(u"Spells available: 2")));
    EXPECT_EQ(dynamic_cast<ListBox&>(OnTop("List")).items(),
              (std::vector<std::u16string>{u"Isle", u"Portby (TimeStopSpell)", u"Far", u"Deep"}));
}

TEST_F(TownScreens, OnlyKnownContinentsAreOfferedAndTheOneChosenIsSailedTo) {
    hero().AddKnownContinent(2);
    hero().SetTravelMode(TravelMode::kSail);
    OpenMenu();
    TapOnDialog("NewContinent");
    ASSERT_EQ(Top(), "SelectContinent");
    std::vector<std::pair<std::u16string, bool>> offered;
    for (const char* item : {"Item0", "Item1", "Item2", "Item3"}) {
        offered.emplace_back(OnTop(item).text(), OnTop(item).isVisible());
    }
    EXPECT_EQ(offered, (std::vector<std::pair<std::u16string, bool>>{
                           {u"Isle", true}, {u"", false}, {u"Deep", true}, {u"", false}}));
    TapOnDialog("Cancel");
    EXPECT_EQ(std::pair(Top(), hero().continent()), std::pair(std::string(), 0));

    Ui().OpenScreen("SelectContinent", {});
    TapOnDialog("Item2");
    EXPECT_EQ(std::pair(hero().continent(), Position()), std::pair(2, Cell{4, 3}));
    EXPECT_NE(Top(), "SelectContinent");
}

}  // namespace
}  // namespace cv
