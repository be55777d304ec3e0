#include "screens/new_game.h"

#include <cstdio>

#include "core/resource_groups.h"
#include "core/settings.h"
#include "screens/game_session.h"

namespace cv {
namespace {

constexpr const char* kRandomMapFolder = "CVMRG";

void DropRandomMapSet() {
    if (ResourceGroup* group = DefaultGroup()) group->Remove(kRandomMapFolder);
    std::remove((AppDir() + kRandomMapFolder + "/map.ini").c_str());
}

}  // namespace

NewGameChoices& TheNewGameChoices() {
    static NewGameChoices choices;
    return choices;
}

void StartNewGame(Ref<Dispatcher> rules) {
    BeginSession(GameSession::New(std::move(rules), TheNewGameChoices()));
    DropRandomMapSet();
}

}  // namespace cv
