#pragma once

#include "game/model/game_ui.h"
#include "game/model/hero.h"
#include "game/world/castle.h"
#include "game/world/running_game.h"
#include "gui/sub_form_host.h"

namespace cv {

// The hero's own castle, form "CastleMain": a frame that shows one page at
// a time, the garrison page ("CastleGarrison") first; its "Switch" button
// changes to the remove page ("CastleRemove") and back. "Exit", or Esc,
// leaves the castle for the map, answering "Exit".
class CastleMainDialog : public SubFormHost {
public:
    CastleMainDialog(Ref<Castle> castle, Ref<Hero> hero, AnswerHandler then)
        : castle_(std::move(castle)), hero_(std::move(hero)), then_(std::move(then)) {}

    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    bool onMessage(const Message& message) override;

private:
    Ref<Castle> castle_;
    Ref<Hero> hero_;
    AnswerHandler then_;
};

// The castle's form for the rules' "CastleMain", about a castle.
Ref<Form> CastleMainScreen(RunningGame& game, Ref<RefCounted> castle, AnswerHandler then);

}  // namespace cv
