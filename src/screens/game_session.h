#pragma once

#include <string>

#include "core/dispatcher.h"
#include "game/world/running_game.h"
#include "screens/adventure_screen.h"

namespace cv {

struct NewGameChoices;

// One game, from the moment it is started or loaded until another game takes
// its place: the rules it is played by (the packaged rules plus at most one
// merged random map set), the running game, the name it is saved under (empty
// until its first save or its load) and the adventure screen that shows it.
// A new or loaded game is built aside as a whole session and swapped in by
// BeginSession; the previous game ends with its session, so nothing of it
// reaches the next one.
class GameSession : public RefCounted {
public:
    // A game already built on `rules`, with its own adventure screen.
    GameSession(Ref<Dispatcher> rules, Ref<RunningGame> game, std::string saveName = {});

    // A new game of `choices` played by `rules`.
    static Ref<GameSession> New(Ref<Dispatcher> rules, const NewGameChoices& choices);
    // The save `name`, played by the packaged rules. A save that cannot be
    // read throws DamagedSave, and nothing of the game in play has changed.
    static Ref<GameSession> Load(const std::string& name);

    Dispatcher& rules() const { return *rules_; }
    RunningGame& game() const { return *game_; }
    const std::string& saveName() const { return saveName_; }
    AdventureForm& adventure() const { return *adventure_; }

    // Writes the game under the session's name; the first save of a new game
    // takes the next free number, and later saves go to the same file.
    void Save();

private:
    Ref<Dispatcher> rules_;
    Ref<RunningGame> game_;
    std::string saveName_;
    Ref<AdventureForm> adventure_;
};

// The session in play; null before the first game.
GameSession* CurrentSession();
// The game in play; null before the first game.
RunningGame* CurrentGame();
// Makes `session` the one in play and its rules the Root. The previous
// session ends as soon as nothing holds it any more. Null drops the game in
// play and leaves Root as it is.
void BeginSession(Ref<GameSession> session);

}  // namespace cv
