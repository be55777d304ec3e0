#include "game/world/map_obj_messages.h"

namespace cv {

void RemoveFromContinent(RunningGame& game, const MapObj& object) {
    if (Location* location = game.world().Get(object.continent())) location->RemoveObject(&object);
}

void ShowThenRemove(RunningGame& game, MapObj& object, const GameMessage& message,
                    AnswerHandler then) {
    Ui().ShowMessage(message, [keepGame = Ref<RunningGame>(&game), keep = Ref<MapObj>(&object),
                               then = std::move(then)](const std::string& answer) {
        if (then) then(answer);
        RemoveFromContinent(*keepGame, *keep);
    });
}

}  // namespace cv
