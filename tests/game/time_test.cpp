#include <gtest/gtest.h>

#include "core/memory_stream.h"
#include "game/model/game_text.h"
#include "game/model/time_system.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "platform/utf.h"

namespace cv {
namespace {

using test::ErrorOf;

struct RecordingHooks : TimeHooks {
    void WeeklyTurn() override { ++weeklyTurns; }
    bool HasRentedBoat() const override { return boat; }
    void GameLost() override { lost = true; }
    void GameWon() override { won = true; }
    int weeklyTurns = 0;
    bool boat = false;
    bool lost = false;
    bool won = false;
};

class Time : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadRules(test::kTestRules);
        hero->Create("Knight", u"Arthur", 0, 1);
        time.Init(Root());
        time.SetDaysLeft(600);
    }
    // Answers the week's message and closes the budget.
    void CloseWeek() {
        ui.Answer("Continue");
        ASSERT_EQ(ui.open.front().screen, "WeekReport");
        ui.Answer("OK");
    }
    test::FakeUi ui;
    Ref<Hero> hero = MakeRef<Hero>();
    RecordingHooks hooks;
    TimeSystem time{*hero, hooks};
};

TEST_F(Time, StepsMakeDaysAndSlowCellsCostADay) {
    for (int i = 0; i < 3; ++i) time.Step(false);
    EXPECT_EQ(time.daysLeft(), 600);
    EXPECT_EQ(time.stepCounter(), 3);
    time.Step(false);
    EXPECT_EQ(time.daysLeft(), 599);
    EXPECT_EQ(time.stepCounter(), 0);
    EXPECT_EQ(ui.notes.back(), "UpdateTimeInfo");
    time.Step(false);
    time.Step(true);  // a whole day although the counter is not full
    EXPECT_EQ(time.daysLeft(), 598);
    EXPECT_EQ(time.stepCounter(), 0);
    EXPECT_EQ(time.StatusText(), u"Days Left: 598");
    time.AddTimeStop(3);
    EXPECT_EQ(time.StatusText(), u"Time Stop: 3");
    time.Step(false);
    time.Step(false);
    EXPECT_EQ(time.timeStop(), 1);
    EXPECT_EQ(time.daysLeft(), 598);
    EXPECT_EQ(time.stepCounter(), 0);
    time.AddTimeStop(5);
    time.Step(true);  // a slow cell ends the time stop, no time passes
    EXPECT_EQ(time.timeStop(), 0);
    EXPECT_EQ(time.daysLeft(), 598);
    EXPECT_TRUE(ui.open.empty());
}

TEST_F(Time, AWeekEndsOnAMultipleOfTheWeekAndAnnouncesItsUnit) {
    time.SetDaysLeft(596);
    hero->AddLeadershipBonus(40);
    platform::Srand(3);
    for (int i = 0; i < 4; ++i) time.Step(false);
    EXPECT_EQ(time.daysLeft(), 595);
    EXPECT_EQ(time.week(), 1);
    EXPECT_EQ(hooks.weeklyTurns, 1);
    EXPECT_EQ(hero->leadershipBonus(), 0);
    const std::string unit = time.unitOfWeek();
    EXPECT_NE(unit, "Peasants");
    EXPECT_EQ(ui.FrontText(),
              "Week #1 of " + unit + "\nAll " + unit + " dwellings are repopulated");
    CloseWeek();
    EXPECT_EQ(time.lastBudget().week, 1);
    // End the week now: to the next multiple of the week, or a whole week.
    time.EndWeekNow();
    EXPECT_EQ(time.daysLeft(), 588);
    CloseWeek();
    time.SetDaysLeft(590);
    time.AddTimeStop(4);
    time.EndWeekNow();
    EXPECT_EQ(time.daysLeft(), 588);
    EXPECT_EQ(time.timeStop(), 0);
}

TEST_F(Time, EveryFourthWeekBelongsToPeasantsAndNoOtherDoes) {
    hero->army().Parse("Ghosts:4");
    platform::Srand(11);
    for (int week = 1; week <= 16; ++week) {
        time.EndWeekNow();
        EXPECT_EQ(time.unitOfWeek() == "Peasants", week % 4 == 0) << week;
        if (week < 4) {
            EXPECT_EQ(hero->army().ToText(), "Militia:20,Archers:2,Ghosts:4");
        }
        CloseWeek();
    }
    EXPECT_EQ(hero->army().ToText(), "Militia:20,Archers:2,Peasants:4");
}

TEST_F(Time, BudgetPaysInOrderAndUnpaidSquadsLeave) {
    hero->SetGold(0);
    hero->AddCastlesGarrisoned(2);  // 1000 + 2 x 250
    hooks.boat = true;              // -300
    hero->army().Clear();
    hero->army().Parse("Knights:10,Dragons:20,Peasants:50");  // 200, 2000, 50
    time.EndWeekNow();
    ui.Answer("Continue");
    const WeeklyBudget& budget = time.lastBudget();
    EXPECT_EQ(std::vector<int>(budget.values, budget.values + 5),
              (std::vector<int>{0, 1500, -300, -250, 950}));
    ASSERT_EQ(budget.rows.size(), 3u);
    EXPECT_EQ(budget.rows[0].pay, 200);
    EXPECT_TRUE(budget.rows[1].left);
    EXPECT_EQ(budget.rows[1].unitId, "Dragons");
    EXPECT_EQ(budget.rows[2].pay, 50);
    EXPECT_EQ(hero->gold(), 950);
    EXPECT_EQ(hero->army().ToText(), "Knights:10,Peasants:50");
    EXPECT_EQ(GroupedNumber(1234567), u"1,234,567");
    EXPECT_EQ(GroupedNumber(-1234), u"-1,234");
    EXPECT_EQ(GroupedNumber(999), u"999");
}

TEST_F(Time, ClosingTheBudgetDisgracesAnArmylessHeroThenWarns) {
    hero->SetGold(0);
    hero->AddCommission(-1000);
    hero->army().Clear();
    hero->army().Parse("Knights:3");  // 60 gold that is not there
    hero->AddLeadership(-95);         // 5 cannot lead twenty Peasants
    time.EndWeekNow();
    CloseWeek();
    EXPECT_EQ(ui.FrontText(), "Disgraced");
    ui.Answer("Continue");
    EXPECT_EQ(ui.open.front().message.name, "OutOfControl_Warning");
}

TEST_F(Time, AWeekEndWithoutDaysLosesBeforeTheBudget) {
    time.SetDaysLeft(3);
    int gold = hero->gold();
    time.EndWeekNow();
    EXPECT_TRUE(hooks.lost);
    EXPECT_EQ(time.week(), 0);
    EXPECT_TRUE(ui.open.empty());
    EXPECT_EQ(hero->gold(), gold);
}

TEST_F(Time, SearchSpendsTenDaysAcrossTheWeekEnd) {
    time.StartSearch();  // 600: five days to the week end
    EXPECT_EQ(time.daysLeft(), 595);
    CloseWeek();
    EXPECT_EQ(time.daysLeft(), 590);
    EXPECT_FALSE(time.searching());
    EXPECT_EQ(ui.FrontText(), "Your search of this area has revealed nothing.");
    ui.Answer("Continue");
    // On the last day of a week the week ends at once.
    time.SetDaysLeft(589);
    hero->SetSceptre(0, hero->position());
    time.StartSearch();
    EXPECT_EQ(time.daysLeft(), 588);
    EXPECT_TRUE(time.searching());
    CloseWeek();  // seven more days: another week end
    EXPECT_EQ(time.daysLeft(), 581);
    CloseWeek();
    EXPECT_EQ(time.daysLeft(), 579);
    EXPECT_TRUE(hooks.won);
    EXPECT_TRUE(ui.open.empty());
}

TEST_F(Time, SearchIsOfferedOnlyOnLand) {
    hero->SetTravelMode(TravelMode::kSail);
    EXPECT_FALSE(time.OfferSearch());
    hero->SetTravelMode(TravelMode::kLand);
    EXPECT_TRUE(time.OfferSearch());
    ui.Answer("No");
    EXPECT_EQ(time.daysLeft(), 600);
    time.OfferSearch();
    ui.Answer("Yes");
    EXPECT_EQ(time.daysLeft(), 595);
}

TEST_F(Time, TimeChunkRecordAndFailures) {
    time.SetDaysLeft(431);
    time.AddTimeStop(6);
    time.Step(false);
    MemoryStream data;
    ChunkWriter out(data);
    time.Save(out);
    const auto& b = data.bytes();
    ASSERT_EQ(b.size(), 32u + 2 + 7);
    const uint8_t head[] = {'T', 'I', 'M', 'E', 33, 0, 0, 0, 0, 0, 0, 0, 0xAF, 1, 0, 0,
                            0,   0,   0,   0,   0,  0, 0, 0, 5, 0, 0, 0, 0,    0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 32),
              std::vector<uint8_t>(head, head + 32));
    EXPECT_EQ(std::string(b.begin() + 34, b.end()), "Militia");

    TimeSystem loaded(*hero, hooks);
    data.Seek(0);
    ChunkReader in(data);
    loaded.Load(in, Root());
    EXPECT_EQ(loaded.daysLeft(), 431);
    EXPECT_EQ(loaded.timeStop(), 5);
    EXPECT_EQ(loaded.daysPerWeek(), 7);
    EXPECT_EQ(loaded.unitOfWeek(), "Militia");

    auto errorWith = [&](size_t at, uint8_t byte) {
        MemoryStream bad;
        bad.Write(b.data(), b.size());
        bad.Seek(at);
        bad.Write(&byte, 1);
        bad.Seek(0);
        ChunkReader reader(bad);
        return ErrorOf([&] { loaded.Load(reader, Root()); });
    };
    EXPECT_EQ(errorWith(3, 'X'), "Invalid  format or save corrupted: Expected tag TIME");
    EXPECT_EQ(errorWith(8, 3), "Invalid object version 00000003: Time");
    EXPECT_EQ(errorWith(15, 0x80), "Invalid  format or save corrupted: Invalid time record");
    EXPECT_EQ(errorWith(32, 9), "Invalid  format or save corrupted: Data ends inside a record");
}

}  // namespace
}  // namespace cv
