#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "game/model/game_text.h"
#include "game/model/time_system.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

using test::ErrorOf;
using Clock = std::tuple<int, int, int>;  // days left, step counter, time stop

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

class Time : public test::WithKnight {
protected:
    void SetUp() override {
        WithKnight::SetUp();
        time.Init(Root());
        time.SetDaysLeft(600);
    }
    Clock Now() const { return {time.daysLeft(), time.stepCounter(), time.timeStop()}; }
    Clock AfterSteps(int n, bool slow = false) {
        while (n-- > 0) time.Step(slow);
        return Now();
    }
    // Answers the week's message and closes the budget.
    void CloseWeek() {
        ui.Answer("Continue");
        ASSERT_EQ(ui.open.front().screen, "WeekReport");
        ui.Answer("OK");
    }
    RecordingHooks hooks;
    TimeSystem time{*hero, hooks};
};

TEST_F(Time, StepsMakeDaysSlowCellsCostADayTimeStopsHoldTheClock) {
    EXPECT_EQ(AfterSteps(3), Clock(600, 3, 0));
    EXPECT_EQ(AfterSteps(1), Clock(599, 0, 0));
    EXPECT_EQ(ui.notes.back(), "UpdateTimeInfo");
    time.Step(false);
    EXPECT_EQ(AfterSteps(1, true), Clock(598, 0, 0));  // a day although the counter is not full
    EXPECT_EQ(time.StatusText(), u"Days Left: 598");
    time.AddTimeStop(3);
    EXPECT_EQ(time.StatusText(), u"Time Stop: 3");
    EXPECT_EQ(AfterSteps(2), Clock(598, 0, 1));
    time.AddTimeStop(5);
    EXPECT_EQ(AfterSteps(1, true), Clock(598, 0, 0));  // a slow cell ends the stop, no time passes
    // A week end without days left loses the game before anything is shown.
    time.SetDaysLeft(3);
    time.EndWeekNow();
    EXPECT_TRUE(hooks.lost);
    EXPECT_EQ(time.week(), 0);
    EXPECT_TRUE(ui.open.empty());
}

TEST_F(Time, AWeekEndsOnAMultipleOfTheWeekAndAnnouncesItsUnit) {
    time.SetDaysLeft(596);
    hero->AddLeadershipBonus(40);
    platform::Srand(3);
    EXPECT_EQ(AfterSteps(4), Clock(595, 0, 0));
    EXPECT_EQ(std::tuple(time.week(), hooks.weeklyTurns, hero->leadershipBonus()),
              std::tuple(1, 1, 0));
    const std::string unit = time.unitOfWeek();
    EXPECT_NE(unit, "Peasants");
    EXPECT_EQ(ui.FrontText(),
              "Week #1 of " + unit + "\nAll " + unit + " dwellings are repopulated");
    CloseWeek();
    EXPECT_EQ(time.lastBudget().week, 1);
    // Ending the week now goes to the next multiple of the week, or a whole week.
    time.EndWeekNow();
    EXPECT_EQ(time.daysLeft(), 588);
    CloseWeek();
    time.SetDaysLeft(590);
    time.AddTimeStop(4);
    time.EndWeekNow();
    EXPECT_EQ(Now(), Clock(588, 0, 0));
}

TEST_F(Time, EveryFourthWeekBelongsToPeasantsAndTurnsGhostsIntoThem) {
    hero->army().Parse("Ghosts:4");
    platform::Srand(11);
    for (int week = 1; week <= 16; ++week) {
        time.EndWeekNow();
        EXPECT_EQ(time.unitOfWeek() == "Peasants", week % 4 == 0) << week;
        EXPECT_EQ(static_cast<bool>(hero->army().Find("Ghosts")), week < 4) << week;
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
    std::string rows;
    for (const auto& row : budget.rows) {
        rows += row.unitId + (row.left ? " left " : " ") + std::to_string(row.pay) + ",";
    }
    EXPECT_EQ(rows, "Knights 200,Dragons left 0,Peasants 50,");
    EXPECT_EQ(hero->gold(), 950);
    EXPECT_EQ(hero->army().ToText(), "Knights:10,Peasants:50");
    EXPECT_EQ(GroupedNumber(1234567), u"1,234,567");
    EXPECT_EQ(GroupedNumber(-123), u"-123");
}

// Closing the budget: disgrace on an empty army, the search goes on, then the warning.
TEST_F(Time, ASearchOutlastsADisgraceAndTheWarningComesLast) {
    hero->SetGold(0);
    hero->AddCommission(-1000 + 30);
    hero->army().Clear();
    hero->army().Parse("Knights:3");  // 60 gold that is not there; twenty Peasants get paid
    hero->AddLeadership(-95);         // 5 cannot lead twenty Peasants
    time.StartSearch();
    std::vector<std::string> shown;
    while (!ui.open.empty()) {
        const test::FakeUi::Shown& front = ui.open.front();
        const std::string text = ui.FrontText();
        shown.push_back(!front.screen.empty()         ? front.screen
                        : !front.message.name.empty() ? front.message.name
                                                      : text.substr(0, text.find(" of ")));
        ui.Answer(front.screen.empty() ? "Continue" : "OK");
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Week #1", "WeekReport", "Disgraced", "Week #2",
                                               "OutOfControl_Warning", "WeekReport", "Your search",
                                               "OutOfControl_Warning"}));
    EXPECT_EQ(time.daysLeft(), 588);
}

// A search lasts ten days and then runs on to the week end, which comes with its
// budget like every other.
TEST_F(Time, SearchIsOfferedOnLandAndEndsOnAWeekEnd) {
    hero->SetTravelMode(TravelMode::kSail);
    EXPECT_FALSE(time.OfferSearch());
    hero->SetTravelMode(TravelMode::kLand);
    EXPECT_TRUE(time.OfferSearch());
    ui.Answer("No");
    EXPECT_EQ(time.daysLeft(), 600);
    // Days left at the start, at the end, and the week ends on the way.
    for (auto [start, end, weeks] :
         {std::tuple{600, 588, 2}, {598, 588, 2}, {595, 581, 2}, {589, 574, 3}}) {
        time.SetDaysLeft(start);
        time.OfferSearch();
        ui.Answer("Yes");
        int closed = 0;
        for (; time.searching() && closed < 5; ++closed) CloseWeek();
        EXPECT_EQ(std::pair(time.daysLeft(), closed), std::pair(end, weeks)) << start;
        EXPECT_EQ(ui.FrontText(), "Your search of this area has revealed nothing.");
        ui.Answer("Continue");
    }
    // On the last day of a week the week ends at once.
    time.SetDaysLeft(589);
    hero->SetSceptre(0, hero->position());
    time.StartSearch();
    EXPECT_EQ(std::pair(time.daysLeft(), time.searching()), std::pair(588, true));
    for (int week = 0; week < 3; ++week) CloseWeek();
    EXPECT_TRUE(hooks.won);
    EXPECT_TRUE(ui.open.empty());
}

TEST_F(Time, TimeChunkRecordAndFailures) {
    time.SetDaysLeft(431);
    time.AddTimeStop(6);
    time.Step(false);
    const std::vector<uint8_t> b = test::SavedBytes(time);
    EXPECT_EQ(test::TextAt(b, 0, b.size()),
              std::string("TIME\x21\0\0\0\0\0\0\0\xAF\x01\0\0\0\0\0\0\0\0\0\0\x05\0\0\0\0\0\0\0"
                          "\x07\0Militia",
                          41));
    TimeSystem loaded(*hero, hooks);
    auto load = [&](const std::vector<uint8_t>& bytes) {
        test::ReadBytes(bytes, [&](ChunkReader& in) { loaded.Load(in, Root()); });
    };
    load(b);
    EXPECT_EQ(test::SavedBytes(loaded), b);
    EXPECT_EQ(loaded.daysPerWeek(), 7);  // from the rules, not the save
    auto errorWith = [&](size_t at, const std::string& patch) {
        return ErrorOf([&] { load(test::Patched(b, at, patch)); });
    };
    const std::string corrupted = test::kCorrupted;
    EXPECT_EQ(errorWith(3, "X"), corrupted + "Expected tag TIME");
    EXPECT_EQ(errorWith(8, "\x03"), "Invalid object version 00000003: Time");
    EXPECT_EQ(errorWith(15, "\x80"), corrupted + "Invalid time record");
    EXPECT_EQ(errorWith(32, "\x09"), corrupted + "Data ends inside a record");
}

}  // namespace
}  // namespace cv
