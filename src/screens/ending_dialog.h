#pragma once

#include "game/model/hero.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// The end of a game, form "Winner" or "Fail": the hero's portrait "Hero",
// the closing words rolling up through "Text" (a "TextAutoScroll") and
// "Exit", which closes it as Esc does.
class EndingDialog : public AnsweredDialog {
public:
    EndingDialog(Ref<Hero> hero, bool won, AnswerHandler then)
        : AnsweredDialog(std::move(then)), hero_(std::move(hero)), won_(won) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Exit"; }

private:
    Ref<Hero> hero_;
    bool won_;
};

// "Winner" once the sceptre is found, "Fail" once the days have run out;
// after `then`, closing either leaves the game for the title screen.
Ref<Form> WinnerScreen(RunningGame& game, AnswerHandler then);
Ref<Form> FailScreen(RunningGame& game, AnswerHandler then);

}  // namespace cv
