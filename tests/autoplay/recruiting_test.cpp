#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "autoplay/recruiting.h"
#include "game_test_support.h"

namespace cv::autoplay {
namespace {

// The knight of the test rules: 7500 gold, leadership 100, a commission of
// 1000, "Militia:20,Archers:2" (a pay of 46 a week), boats at 300 a week.
class Recruiting : public test::KnightOnIsle<> {
protected:
    void Army(const std::string& text) {
        hero().army().Clear();
        hero().army().Parse(text);
    }
};

TEST_F(Recruiting, SpareGoldKeepsTheWeeksCostsABoatAndTheSiegeWeapons) {
    struct Row {
        const char* what;
        int gold;
        const char* army;
        bool saving, weapons;
        int spare;
    };
    const std::vector<Row> rows = {
        {"a boat's rent kept", 7500, "Militia:20,Archers:2", false, false, 7200},
        {"and the weapons", 7500, "Militia:20,Archers:2", true, false, 4200},
        {"weapons owned", 7500, "Militia:20,Archers:2", true, true, 7200},
        {"never below nothing", 3299, "Militia:20,Archers:2", true, false, 0},
        {"pay beyond the commission", 7500, "Knights:60", false, false, 7500 - 200 - 300},
        {"pay just the commission", 7500, "Knights:50", false, false, 7200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        hero().SetGold(row.gold);
        Army(row.army);
        hero().SetSiegeWeapons(row.weapons);
        EXPECT_EQ(SpareGold(*game, row.saving), row.spare);
    }
}

TEST_F(Recruiting, SiegeWeaponsAreBoughtWhenTheSpareGoldPaysThemExactly) {
    hero().SetGold(3300);  // 3000 spare with a boat's rent kept
    EXPECT_TRUE(AffordsSiegeWeapons(*game));
    hero().SetGold(3299);
    EXPECT_FALSE(AffordsSiegeWeapons(*game));
}

TEST_F(Recruiting, NoRecruitsThatPutASquadInLowSpirits) {
    struct Row {
        const char* army;
        const char* unit;
        int replaced;
        bool keeps;
    };
    const std::vector<Row> rows = {
        {"Knights:2", "Militia", -1, true},
        {"Knights:2", "Vampires", -1, false},          // knights will not have the undead
        {"Ghosts:5", "Ghosts", -1, true},              // low already: no worse
        {"Knights:2,Militia:1", "Vampires", 0, true},  // in the knights' place
        {"Militia:1,Archers:1,Pikemen:1,Cavalry:1,Knights:1", "Trolls", -1, false},  // no room
        {"Militia:1,Archers:1,Pikemen:1,Cavalry:1,Knights:1", "Trolls", 2, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.army) + " + " + row.unit);
        Army(row.army);
        EXPECT_EQ(KeepsMorale(hero(), row.unit, 5, row.replaced), row.keeps);
    }
    EXPECT_FALSE(KeepsMorale(hero(), "Militia", 0));
}

TEST_F(Recruiting, TheWeakestSquadIsTheOneThatFightsLeast) {
    Army("Knights:2,Militia:5,Trolls:1");
    EXPECT_EQ(WeakestSlot(hero().army()), 1);
    Army("Militia:50,Knights:1");
    EXPECT_EQ(WeakestSlot(hero().army()), 1);
    hero().army().Clear();
    EXPECT_EQ(WeakestSlot(hero().army()), -1);
}

// Archers cost 250 and a week's pay of 3; 18 more obey a leadership of 100.
TEST_F(Recruiting, ADwellingsRecruitsAreWhatTheSpareGoldPaysForAWeek) {
    auto dwelling = MakeRef<Dwelling>();
    dwelling->SetCell({4, 2});
    dwelling->Setup(game->here(), "Archers");
    struct Row {
        int gold, available, recruits;
    };
    const std::vector<Row> rows = {{300 + 4 * 253, 40, 4},
                                   {300 + 4 * 253 - 1, 40, 3},
                                   {7500, 40, 18},
                                   {7500, 5, 5},
                                   {7500, 0, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.gold);
        hero().SetGold(row.gold);
        dwelling->SetAvailable(row.available);
        EXPECT_EQ(RecruitsAt(*game, *dwelling, false), row.recruits);
    }
}

}  // namespace
}  // namespace cv::autoplay
