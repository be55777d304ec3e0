#include "screens/new_game.h"

#include "screens/game_session.h"
#include "screens/random_maps_screen.h"

namespace cv {

NewGameChoices& TheNewGameChoices() {
    static NewGameChoices choices;
    return choices;
}

void StartNewGame(Ref<Dispatcher> rules) {
    BeginSession(GameSession::New(std::move(rules), TheNewGameChoices()));
    DropRandomMapSet();
}

}  // namespace cv
