#pragma once

#include <string>

#include "game/model/hero.h"
#include "game/world/dwelling.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// Recruiting at a dwelling, form "Warriors": the unit's source in "Place"
// over its ground "Ground", the unit's animation "Unit" and its name
// "UnitName"; for the number chosen on the slider "Count", the units left
// ("AvailCount"), the price of one ("Cost"), the gold left ("GP") beside the
// coins "GoldInfo", how many the leadership allows ("Limit") and the question
// "How"; "Warning" when the army has no room for the unit. "Header" or Esc
// leaves, answering the number chosen.
class WarriorsDialog : public AnsweredDialog {
public:
    WarriorsDialog(Ref<Dwelling> dwelling, Ref<Hero> hero, AnswerHandler then)
        : AnsweredDialog(std::move(then)), dwelling_(std::move(dwelling)), hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return std::to_string(count_); }

private:
    void showUnit(const SquadDef& unit);
    void showTerms(const SquadDef& unit);
    void showCount(int count);

    Ref<Dwelling> dwelling_;
    Ref<Hero> hero_;
    RecruitOffer offer_;
    int count_ = 0;
};

// The form for the rules' "Warriors", about a dwelling.
Ref<Form> WarriorsScreen(RunningGame& game, Ref<RefCounted> dwelling, AnswerHandler then);

}  // namespace cv
