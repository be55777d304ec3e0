#pragma once

#include "game/model/game_ui.h"

namespace cv {

// The rules' messages and screens, shown over the adventure screen. Of the
// screens the rules open by name, "WeekReport" is a form of its own; the
// endings "Winner" and "Fail" are message boxes that lead back to the title.
// A battle cannot be shown yet: starting one ends the program with
// "No battle screen".
class ScreenGameUi : public GameUi {
public:
    void ShowMessage(const GameMessage& message, AnswerHandler then) override;
    void OpenScreen(const std::string& name, AnswerHandler then) override;
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override;
    void NotifyActiveForm(const std::string& message) override;
    bool AdventureIsCurrent() const override;
};

// The one instance, attached at start-up.
ScreenGameUi& TheScreenGameUi();

}  // namespace cv
