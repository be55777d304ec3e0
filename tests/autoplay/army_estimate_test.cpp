#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "autoplay/army_estimate.h"
#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"
#include "game_test_support.h"

namespace cv::autoplay {
namespace {

class ArmyEstimate : public ::testing::Test {
protected:
    void SetUp() override { test::LoadRules(test::kTestRules); }
    static std::u16string Line(int count, const char* unit) {
        return u" - " + HowManyText(count, *Units().UnitById(unit));
    }
};

// Each size word read back as the whole range it stands for, at both ends.
TEST_F(ArmyEstimate, ASizeWordStandsForItsWholeRange) {
    struct Row {
        int count, fewest, most;
    };
    const std::vector<Row> rows = {{1, 1, 9},       {9, 1, 9},       {10, 10, 19},
                                   {19, 10, 19},    {20, 20, 49},    {49, 20, 49},
                                   {50, 50, 99},    {99, 50, 99},    {100, 100, 499},
                                   {499, 100, 499}, {500, 500, 999}, {5000, 500, 999}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.count);
        const auto squad = ReadSquad(HowManyText(row.count, *Units().UnitById("Trolls")));
        ASSERT_TRUE(squad);
        EXPECT_EQ(squad->unit->id, "Trolls");
        EXPECT_EQ(squad->fewest, row.fewest);
        EXPECT_EQ(squad->most, row.most);
    }
}

TEST_F(ArmyEstimate, OnlyTheListedLinesOfAMessageAreSquads) {
    const std::u16string text = u"Your scouts have sighted:\n" + Line(3, "Militia") +
                                u"\n - Some rabbits\n" + Line(60, "Ghosts") + u"\n" +
                                HowManyText(3, *Units().UnitById("Knights"));
    const SeenArmy army = ReadArmyLines(text);
    ASSERT_EQ(army.size(), 2u);
    EXPECT_EQ(army[0].unit->id, "Militia");
    EXPECT_EQ(army[1].unit->id, "Ghosts");
    EXPECT_TRUE(ReadArmyLines(u"").empty());
}

TEST_F(ArmyEstimate, PowerGrowsWithTheUnits) {
    const SquadDef& militia = *Units().UnitById("Militia");
    EXPECT_DOUBLE_EQ(Power(militia, 20), 2 * Power(militia, 10));
    EXPECT_EQ(Power(militia, 0), 0);
    // Seen as "Some": as many as the middle of 10 to 19.
    EXPECT_DOUBLE_EQ(Power(ReadArmyLines(Line(10, "Militia"))), Power(militia, 1) * 14.5);
}

TEST_F(ArmyEstimate, TheHerosPowerLeavesOutSquadsBeyondHisCommandAndWeighsHisArtifacts) {
    Ref<Hero> hero = MakeRef<Hero>();
    hero->Create("Knight", u"Arthur", 0, 1);  // leadership 100
    hero->army().Clear();
    hero->army().Add("Militia", 50);  // a leadership of 100: in command
    const double inCommand = Power(*hero);
    hero->army().Add("Knights", 3);  // 105: beyond it
    EXPECT_DOUBLE_EQ(Power(*hero), inCommand);
    hero->AddArtifact("A1");  // damage * 3 / 2
    EXPECT_NEAR(Power(*hero), inCommand * std::sqrt(1.5), 1e-9);
}

}  // namespace
}  // namespace cv::autoplay
