#pragma once

#include <string>

#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// Where to sail, form "SelectContinent": the question "Header", a button
// "Item<i>" with the name of each continent i the hero knows (the others
// hidden), and "Cancel". A continent's button closes the form, answering its
// name, and sends the hero there; Cancel or Esc answer "Cancel".
class SelectContinentDialog : public AnsweredDialog {
public:
    SelectContinentDialog(Ref<RunningGame> game, AnswerHandler then)
        : AnsweredDialog(std::move(then)), game_(std::move(game)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    Ref<RunningGame> game_;
};

// The form for the rules' "SelectContinent".
Ref<Form> SelectContinentScreen(RunningGame& game, AnswerHandler then);

}  // namespace cv
