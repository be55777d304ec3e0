#include "game/world/kings_castle.h"

#include "game/model/game_ui.h"

namespace cv {

const MapObjFactory& KingsCastle::Factory() const {
    return FindFactory("King");
}

// The castle keeps no state of its own: the hero's level and villains decide
// the audience, his leadership and gold the recruiting.
bool KingsCastle::Visit(RunningGame&) {
    Ui().OpenScreenFor("CastleOfKing", Ref<RefCounted>(this), {});
    return true;
}

}  // namespace cv
