#pragma once

#include <string>

#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// A signpost read, form "Sign", shown as "CurSign": the heading "Header",
// the sign's text in "Text" and "Cancel", which closes it as Esc does.
class SignDialog : public AnsweredDialog {
public:
    SignDialog(std::u16string text, AnswerHandler then);

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    std::u16string text_;
};

// The form for the rules' "Sign", about a signpost: its text, translated.
Ref<Form> SignScreen(RunningGame& game, Ref<RefCounted> sign, AnswerHandler then);

}  // namespace cv
