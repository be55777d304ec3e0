#include "game/model/time_system.h"

#include <algorithm>

#include "core/dispatcher_access.h"
#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/game_random.h"
#include "game/model/game_ui.h"
#include "game/model/int_math.h"
#include "game/model/unit_tables.h"

namespace cv {

void TimeSystem::ReadRules(Dispatcher* root) {
    const std::string requester = "Time System";
    Dispatcher* rules = GetNode(requester, root, "Rules");
    GetInt(requester, rules, "StepsPerDay", stepsPerDay_);
    GetInt(requester, rules, "DaysPerWeek", daysPerWeek_);
    // Both divide the clock; a zero in the rules must not stop it.
    stepsPerDay_ = std::max(stepsPerDay_, 1);
    daysPerWeek_ = std::max(daysPerWeek_, 1);
}

void TimeSystem::Init(Dispatcher* root) {
    ReadRules(root);
    week_ = 0;
    stepCounter_ = 0;
    timeStop_ = 0;
    unitOfWeek_ = "Militia";
    searching_ = false;
    daysToSearch_ = 0;
}

void TimeSystem::Changed() {
    Ui().NotifyActiveForm("UpdateTimeInfo");
}

void TimeSystem::Step(bool slowCell) {
    if (timeStop_ > 0) {
        timeStop_ = slowCell ? 0 : timeStop_ - 1;
        Changed();
        return;
    }
    if (!slowCell && ++stepCounter_ < stepsPerDay_) return;
    --daysLeft_;
    stepCounter_ = 0;
    Changed();
    if (daysLeft_ % daysPerWeek_ == 0) WeekEnd();
}

void TimeSystem::EndWeekNow() {
    stepCounter_ = 0;
    timeStop_ = 0;
    int rest = daysLeft_ % daysPerWeek_;
    daysLeft_ -= rest != 0 ? rest : daysPerWeek_;
    Changed();
    WeekEnd();
}

void TimeSystem::AddTimeStop(int steps) {
    timeStop_ = ClampToInt(int64_t{timeStop_} + steps);
    Changed();
}

std::u16string TimeSystem::StatusText() const {
    bool stopped = timeStop_ > 0;
    std::u16string text = GetText(stopped ? "Time Stop: <N>" : "Days Left: <N>");
    ReplacePlaceholder(text, u"<N>", stopped ? timeStop_ : daysLeft_);
    return text;
}

void TimeSystem::DrawUnitOfWeek() {
    const UnitTables& units = Units();
    bool othersExist = std::any_of(units.units().begin(), units.units().end(),
                                   [](const Ref<SquadDef>& u) { return u->id != "Peasants"; });
    if (week_ % 4 == 0 || !othersExist) {
        unitOfWeek_ = "Peasants";
        return;
    }
    do {
        unitOfWeek_ = units.UnitAt(RandN(units.UnitCount()))->id;
    } while (unitOfWeek_ == "Peasants");
}

void TimeSystem::WeekEnd() {
    if (daysLeft_ < 1) {
        hooks_.GameLost();
        return;
    }
    ++week_;
    stepCounter_ = 0;
    DrawUnitOfWeek();
    hero_.ResetLeadershipBonus();
    if (unitOfWeek_ == "Peasants") TurnGhostsIntoPeasants(hero_.army());
    hooks_.WeeklyTurn();
    std::u16string title = GetText("Week #<N> of <UNIT>", unitOfWeek_);
    ReplacePlaceholder(title, u"<N>", week_);
    ReplacePlaceholder(title, u"<UNIT>", GetText(unitOfWeek_));
    std::u16string news = GetText("All <UNIT> dwellings are repopulated");
    ReplacePlaceholder(news, u"<UNIT>", GetText(unitOfWeek_));
    Ui().ShowMessage({title + u"\n" + news, {}, "Continue", {}, {}},
                     [this](const std::string&) { OpenBudget(); });
}

void TimeSystem::OpenBudget() {
    lastBudget_ = SettleBudget(hero_, hooks_.HasRentedBoat(), week_);
    Ui().OpenScreen("WeekReport", [this](const std::string&) { BudgetClosed(); });
}

// The hero disgraced on an empty army keeps searching, from the start.
void TimeSystem::BudgetClosed() {
    Changed();
    auto searchThenWarn = [this] {
        if (searching_) ContinueSearch();
        WarnOutOfControl(hero_.army(), hero_.EffectiveLeadership(), nullptr);
    };
    if (hero_.army().IsEmpty()) {
        hero_.Disgrace(searchThenWarn);
    } else {
        searchThenWarn();
    }
}

bool TimeSystem::OfferSearch() {
    if (hero_.travelMode() != TravelMode::kLand) return false;
    Ui().ShowMessage({GetText("Search..."), {}, "Yes,No", {}, {}},
                     [this](const std::string& answer) {
                         if (answer == "Yes") StartSearch();
                     });
    return true;
}

void TimeSystem::StartSearch() {
    searching_ = true;
    daysToSearch_ = kSearchDays;
    timeStop_ = 0;
    ContinueSearch();
}

// The search spends its days up to the next week end at a time; reaching the
// week end runs it (budget included) like any other, whose closing comes back
// here. The last part, too, ends its week: taking those days without the week
// end would let a week go by unpaid, and the last day pass without the loss.
void TimeSystem::ContinueSearch() {
    if (daysToSearch_ <= 0) {
        FinishSearch();
        return;
    }
    int untilWeekEnd = daysLeft_ % daysPerWeek_;
    if (untilWeekEnd == 0) untilWeekEnd = daysPerWeek_;
    daysToSearch_ -= std::min(untilWeekEnd, daysToSearch_);
    EndWeekNow();
}

void TimeSystem::FinishSearch() {
    searching_ = false;
    if (hero_.continent() == hero_.sceptreContinent() && hero_.position() == hero_.sceptreCell()) {
        hooks_.GameWon();
        return;
    }
    Ui().ShowMessage(
        {GetText("Your search of this area has revealed nothing."), {}, "Continue", {}, {}},
        [](const std::string&) {});
}

void TimeSystem::Save(ChunkWriter& out) const {
    out.BeginChunk("TIME");
    for (int v : {daysLeft_, week_, stepCounter_, timeStop_, 0}) out.I32(v);
    out.StoredString(unitOfWeek_);
    out.EndChunk();
}

void TimeSystem::Load(ChunkReader& in, Dispatcher* root) {
    in.ReadChunkHeader("TIME", "Expected tag TIME", "Time");
    ReadRules(root);
    daysLeft_ = in.I32();
    week_ = in.I32();
    stepCounter_ = in.I32();
    timeStop_ = in.I32();
    in.I32();
    if (daysLeft_ < 0 || week_ < 0 || stepCounter_ < 0 || timeStop_ < 0) {
        in.Corrupted("Invalid time record");
    }
    unitOfWeek_ = in.StoredString();
    searching_ = false;
    daysToSearch_ = 0;
    in.EndChunk();
}

}  // namespace cv
