#include "game/world/signpost.h"

#include "game/model/game_ui.h"
#include "game/world/running_game.h"

namespace cv {

const MapObjFactory& Signpost::Factory() const {
    return FindFactory("Sign");
}

bool Signpost::Visit(RunningGame&) {
    if (name().empty()) return false;
    Ui().OpenScreenFor("Sign", Ref<RefCounted>(this), {});
    shown_ = true;
    return false;
}

// The "Sign" form is a dialog that takes all input, so the hero cannot walk
// on while it is open: by the next step it has been closed, and the sign
// only forgets that it was read once he stands elsewhere.
void Signpost::OnStep(RunningGame& game) {
    if (shown_ && !IsAt(game.hero().position())) shown_ = false;
}

}  // namespace cv
