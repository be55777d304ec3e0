#pragma once

#include <string>

#include "game/model/game_ui.h"
#include "screens/screen_widgets.h"

namespace cv {

// A dialog the rules wait on: closing it, by a button or by Esc, hands the
// answer to the handler, so the game always goes on; a "Cancel" the dialog
// leaves alone answers "Cancel".
class AnsweredDialog : public ScreenDialog {
public:
    explicit AnsweredDialog(AnswerHandler then) : then_(std::move(then)) {}

    bool onKey(int key, bool down) override;
    bool onMessage(const Message& message) override;

protected:
    // What Esc answers.
    virtual std::string escAnswer() const = 0;
    // Closes the dialog, then runs the handler, which may open the next one.
    void answer(const std::string& button);

private:
    AnswerHandler then_;
};

}  // namespace cv
