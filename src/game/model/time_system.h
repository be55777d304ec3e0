#pragma once

#include <string>

#include "core/dispatcher.h"
#include "core/save_chunks.h"
#include "game/model/hero.h"
#include "game/model/weekly_budget.h"

namespace cv {

// What the end of a week and a search need from the rest of the game.
class TimeHooks {
public:
    virtual ~TimeHooks() = default;
    // Every map object of every continent takes its weekly turn.
    virtual void WeeklyTurn() = 0;
    virtual bool HasRentedBoat() const = 0;
    // A week ended with no days left.
    virtual void GameLost() = 0;
    // The sceptre was found.
    virtual void GameWon() = 0;
};

// Steps, days and weeks against the deadline; the week's unit, the weekly
// budget, Time Stop and the search.
class TimeSystem {
public:
    static constexpr int kSearchDays = 10;

    TimeSystem(Hero& hero, TimeHooks& hooks) : hero_(hero), hooks_(hooks) {}

    // Reads "Rules" and starts the clock at week 0 with "Militia".
    void Init(Dispatcher* root);
    void SetDaysLeft(int days) { daysLeft_ = days; }

    // One step of the hero; `slowCell` when he walks onto a slow cell.
    void Step(bool slowCell);
    void EndWeekNow();
    void AddTimeStop(int steps);
    // "Days Left: <N>", or "Time Stop: <N>" while time stands still.
    std::u16string StatusText() const;

    // Asks "Search..." while the hero is on land; false when not offered.
    bool OfferSearch();
    void StartSearch();

    int daysLeft() const { return daysLeft_; }
    int week() const { return week_; }
    int stepCounter() const { return stepCounter_; }
    int timeStop() const { return timeStop_; }
    const std::string& unitOfWeek() const { return unitOfWeek_; }
    int stepsPerDay() const { return stepsPerDay_; }
    int daysPerWeek() const { return daysPerWeek_; }
    bool searching() const { return searching_; }
    int daysToSearch() const { return daysToSearch_; }
    // The budget of the last week end, for the "WeekReport" form.
    const WeeklyBudget& lastBudget() const { return lastBudget_; }

    // The "TIME" chunk.
    void Save(ChunkWriter& out) const;
    void Load(ChunkReader& in, Dispatcher* root);

private:
    void ReadRules(Dispatcher* root);
    void Changed();
    void WeekEnd();
    void DrawUnitOfWeek();
    void OpenBudget();
    void BudgetClosed();
    void ContinueSearch();
    void FinishSearch();

    Hero& hero_;
    TimeHooks& hooks_;
    int stepsPerDay_ = 1;
    int daysPerWeek_ = 1;
    int daysLeft_ = 600;
    int week_ = 0;
    int stepCounter_ = 0;
    int timeStop_ = 0;
    std::string unitOfWeek_ = "Militia";
    bool searching_ = false;
    int daysToSearch_ = 0;
    WeeklyBudget lastBudget_;
};

}  // namespace cv
