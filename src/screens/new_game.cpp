#include "screens/new_game.h"

#include <cstdio>

#include "core/resource_groups.h"
#include "core/settings.h"

namespace cv {
namespace {

Ref<RunningGame>& CurrentGameSlot() {
    static Ref<RunningGame> game;
    return game;
}

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

RunningGame* CurrentGame() {
    return CurrentGameSlot().get();
}

void SetCurrentGame(Ref<RunningGame> game) {
    CurrentGameSlot() = std::move(game);
}

void StartNewGame() {
    const NewGameChoices& choices = TheNewGameChoices();
    SetCurrentGame(
        RunningGame::NewGame(choices.heroClass, choices.heroName, choices.sex, choices.difficulty));
    DropRandomMapSet();
}

}  // namespace cv
