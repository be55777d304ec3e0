#pragma once

#include "game/model/weekly_budget.h"
#include "screens/answered_dialog.h"

namespace cv {

// The budget of a week's end, form "WeekReport": the heading "Budget for
// week #<N>", the five sums in "SField0".."SField4" (labels) and "Field0"..
// "Field4", each squad's pay (or "Leave") in "Army0".."Army9" and "NArmy0"..
// "NArmy9". "OK" or Esc closes it.
class WeekReportDialog : public AnsweredDialog {
public:
    static constexpr int kRows = 10;

    WeekReportDialog(WeeklyBudget budget, AnswerHandler then)
        : AnsweredDialog(std::move(then)), budget_(std::move(budget)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "OK"; }

private:
    void showRows();

    WeeklyBudget budget_;
};

}  // namespace cv
