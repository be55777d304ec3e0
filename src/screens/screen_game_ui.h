#pragma once

#include "game/model/game_ui.h"

namespace cv {

// The rules' messages and screens, shown over the adventure screen or, while
// a battle runs, over the battle. The screens the rules open by name are forms of their own;
// the endings "Winner" and "Fail" lead back to the title. A battle is the "Tactics" form.
class ScreenGameUi : public GameUi {
public:
    void ShowMessage(const GameMessage& message, AnswerHandler then) override;
    void OpenScreen(const std::string& name, AnswerHandler then) override;
    void OpenScreenFor(const std::string& name, Ref<RefCounted> subject,
                       AnswerHandler then) override;
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override;
    void StartSiege(Ref<Army> garrison, std::function<std::u16string(std::u16string)> victoryText,
                    std::function<void(BattleOutcome)> then) override;
    void NotifyActiveForm(const std::string& message) override;
    bool AdventureIsCurrent() const override;
    void PlaySound(SoundEvent event) override;
};

// The one instance, attached at start-up.
ScreenGameUi& TheScreenGameUi();

}  // namespace cv
