#include "screens/game_session.h"

#include "core/fatal_error.h"
#include "core/save_game.h"
#include "gui/form_reader.h"
#include "screens/autosave.h"
#include "screens/game_data_init.h"
#include "screens/new_game.h"

namespace cv {
namespace {

Ref<GameSession>& SessionSlot() {
    static Ref<GameSession> session;
    return session;
}

// The rules code reads Root; while a game is built aside, Root is the rules
// it will be played by, and whatever was in force before comes back after,
// also when building fails.
class RulesWhileBuilding {
public:
    explicit RulesWhileBuilding(Ref<Dispatcher> rules) : previous_(Root()) {
        SetRoot(std::move(rules));
    }
    ~RulesWhileBuilding() { SetRoot(std::move(previous_)); }
    RulesWhileBuilding(const RulesWhileBuilding&) = delete;
    RulesWhileBuilding& operator=(const RulesWhileBuilding&) = delete;

private:
    Ref<Dispatcher> previous_;
};

}  // namespace

GameSession::GameSession(Ref<Dispatcher> rules, Ref<RunningGame> game, std::string saveName)
    : rules_(std::move(rules)),
      game_(std::move(game)),
      saveName_(std::move(saveName)),
      adventure_(MakeRef<AdventureForm>(game_)) {
    loadForm(*adventure_, "Game");
}

Ref<GameSession> GameSession::New(Ref<Dispatcher> rules, const NewGameChoices& choices) {
    Ref<RunningGame> game;
    {
        RulesWhileBuilding building(rules);
        game = RunningGame::NewGame(choices.heroClass, choices.heroName, choices.sex,
                                    choices.difficulty);
    }
    return MakeRef<GameSession>(std::move(rules), std::move(game));
}

Ref<GameSession> GameSession::Load(const std::string& name) {
    Ref<Dispatcher> rules = PackagedRules();
    Ref<RunningGame> game = MakeRef<RunningGame>();
    {
        RulesWhileBuilding building(rules);
        LoadGame(name, *game);
    }
    // A game loaded from an autosave is saved by the player under a new number.
    return MakeRef<GameSession>(std::move(rules), std::move(game),
                                IsAutosaveName(name) ? std::string() : name);
}

void GameSession::Save() {
    SaveGame(*game_, saveName_);
}

GameSession* CurrentSession() {
    return SessionSlot().get();
}

RunningGame* CurrentGame() {
    GameSession* session = CurrentSession();
    return session ? &session->game() : nullptr;
}

void BeginSession(Ref<GameSession> session) {
    if (session) SetRoot(Ref<Dispatcher>(&session->rules()));
    SessionSlot() = std::move(session);
}

}  // namespace cv
