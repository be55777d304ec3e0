#pragma once

#include "game/model/hero.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// The King's castle, form "CastleOfKing": the heading "Title", the King's
// portrait "King" and the buttons "Recruit" (form "CastleRecruit"),
// "Audience" (form "KingAudience") and "Exit", which, as Esc does, leaves the
// castle for the map.
class CastleOfKingDialog : public AnsweredDialog {
public:
    CastleOfKingDialog(Ref<Hero> hero, AnswerHandler then)
        : AnsweredDialog(std::move(then)), hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Exit"; }

private:
    // Opens a room of the castle over it; leaving the room shows the castle again.
    void enter(Ref<Form> room, const std::string& formName);

    Ref<Hero> hero_;
};

// The castle's form for the rules' "CastleOfKing"; the castle itself keeps nothing.
Ref<Form> CastleOfKingScreen(RunningGame& game, Ref<RefCounted> castle, AnswerHandler then);

}  // namespace cv
