#pragma once

#include <string>
#include <vector>

#include "screens/answered_dialog.h"

namespace cv {

// A message of the game, form "MsgBox": its picture in "Picture", its text
// in "Text", one plate button "Button0", "Button1", ... for each of its
// buttons, centred in a row. Pressing one closes the box and hands the
// button's name to the handler; Esc counts as the last button.
class MessageBoxDialog : public AnsweredDialog {
public:
    MessageBoxDialog(GameMessage message, AnswerHandler then);

    void onLoaded() override;
    bool onMessage(const Message& message) override;

    const std::vector<std::string>& buttons() const { return buttons_; }

protected:
    std::string escAnswer() const override { return buttons_.back(); }

private:
    void placeButtons();

    GameMessage message_;
    std::vector<std::string> buttons_;
};

// The widget name of the index-th button.
std::string MessageButtonName(size_t index);

}  // namespace cv
