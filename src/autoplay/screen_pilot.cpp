#include "autoplay/screen_pilot.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

#include "app/key_codes.h"
#include "autoplay/dialog_hands.h"
#include "game/combat/battle.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/battle_screen.h"
#include "screens/game_application.h"
#include "screens/game_data_init.h"
#include "screens/game_session.h"
#include "screens/new_game.h"

namespace cv::autoplay {
namespace {

using platform::ScriptCommand;

ScriptCommand Command(ScriptCommand::Kind kind, int x = 0, int y = 0, std::string text = {}) {
    ScriptCommand command;
    command.kind = kind;
    command.x = x;
    command.y = y;
    command.text = std::move(text);
    return command;
}

// The headless backend, its input asked of the pilot whenever the game has
// handled all it was given; a pilot with nothing more to give closes it.
class DrivenPlatform : public platform::HeadlessPlatform, public Fingers {
public:
    using Feeder = std::function<bool()>;

    DrivenPlatform() : HeadlessPlatform("", VirtualKeyOfKeyName) {}
    void SetFeeder(Feeder feeder) { feeder_ = std::move(feeder); }

    bool GetMessage(platform::Message& out) override {
        while (true) {
            if (TakePosted(out)) return out.message != platform::WM_QUIT;
            if (!closing_ && feeder_ && feeder_()) continue;
            if (closing_) {
                out = {platform::WM_QUIT, 0, 0};
                return false;
            }
            closing_ = true;
            Execute(Command(ScriptCommand::Quit));
        }
    }

    void Tap(Form& form, const std::string& widget) override {
        const GuiElement* target = form.findChild(widget);
        if (!target || !target->isVisible() || !target->isEnabled()) return;
        const Rect r = target->bounds();
        Give(Command(ScriptCommand::Tap, r.x + r.width / 2, r.y + r.height / 2));
    }
    void Key(const std::string& name) override { Give(Command(ScriptCommand::Key, 0, 0, name)); }
    void Tick() { Give(Command(ScriptCommand::Tick, 1)); }
    // Whether any input was given since the last call.
    bool TakeGiven() { return std::exchange(given_, false); }

private:
    void Give(const ScriptCommand& command) {
        given_ = true;
        Execute(command);
    }

    Feeder feeder_;
    bool closing_ = false;
    bool given_ = false;
};

// The keys of the eight steps, as the adventure screen binds them.
std::string KeyOfStep(Step step) {
    static const char* const kKeys[3][3] = {
        {"End", "Down", "PgDown"}, {"Left", "Space", "Right"}, {"Home", "Up", "PgUp"}};
    return kKeys[step.dy + 1][step.dx + 1];
}

// One game on the screens: each time the game has handled its input, the
// pilot looks at what it shows and gives the next.
class Pilot {
public:
    Pilot(DrivenPlatform& host, RunningGame& game, long mostInputs)
        : host_(host),
          game_(game),
          player_(game),
          hands_(game, player_, host, errand_),
          mostInputs_(mostInputs),
          days_(game.time().daysLeft()) {}

    bool Feed();
    GameReport Report(const std::string& heroClass, int difficulty, unsigned seed) const;

private:
    void Fight(BattleForm& form);
    void Do(const Action& action, AdventureForm& adventure);
    void Watch(Battle& battle);

    DrivenPlatform& host_;
    RunningGame& game_;
    AutoPlayer player_;
    Errand errand_;
    DialogHands hands_;
    long mostInputs_;
    long inputs_ = 0;
    int days_;
    bool disturbed_ = false;
    bool ended_ = false;
    long actions_ = 0;
    BattleTally battles_;
    const Battle* fought_ = nullptr;  // only compared: the battle now on screen
    std::unique_ptr<ComputerPlayer> heroSide_;
    int round_ = 0;
    bool counted_ = false;
};

bool Pilot::Feed() {
    GameSession* session = CurrentSession();
    if (ended_ || !session || inputs_ >= mostInputs_) return false;
    AdventureForm& adventure = session->adventure();
    DialogHost& front = adventure.front();
    auto* battle = dynamic_cast<BattleForm*>(&front);
    if (battle) {
        Watch(battle->battle());
    } else {
        fought_ = nullptr;
    }
    if (Form* dialog = front.dialog()) {
        disturbed_ = true;
        hands_.Handle(*dialog);
        ended_ = hands_.ending() != Ending::kNone;
    } else if (battle) {
        disturbed_ = true;
        Fight(*battle);
    } else if (TheAppCore() && TheAppCore()->screen() == &adventure) {
        hands_.Forget();
        player_.ForgetIntentions();
        Do(player_.Decide(std::exchange(disturbed_, false)), adventure);
    }
    // The battle runs on the timer; elsewhere time waits for the input.
    if (battle || !host_.TakeGiven()) host_.Tick();
    ++inputs_;
    return true;
}

// The hero's squads move as the computer player moves them; a battle drawn
// out past the player's patience is given up through the tactics menu.
void Pilot::Fight(BattleForm& form) {
    Battle& battle = form.battle();
    if (battle.round() != round_) {
        round_ = battle.round();
        if (player_.GivesUp(round_)) {
            errand_.givingUp = true;
            host_.Tap(form, "Menu");
            return;
        }
    }
    if (battle.PlayerMayAct()) heroSide_->Act();
}

// A battle new on the screen gets the hero's computer player; a finished
// one is counted, a defeat by the hero's army it emptied.
void Pilot::Watch(Battle& battle) {
    if (&battle != fought_) {
        fought_ = &battle;
        heroSide_ = std::make_unique<ComputerPlayer>(battle, ComputerPlayer::Role::kHeroSide);
        round_ = 0;
        counted_ = false;
        errand_.givingUp = false;
    }
    if (!battle.finished() || counted_) return;
    counted_ = true;
    (game_.hero().army().IsEmpty() ? battles_.lost : battles_.won)++;
}

// Each action as a person gives it: a key for a step, the menu for the end
// of the week, a search or a voyage, the panels for spells and the army.
void Pilot::Do(const Action& action, AdventureForm& adventure) {
    ++actions_;
    player_.Intend(action);
    switch (action.kind) {
        case Action::Kind::kStep:
            return host_.Key(KeyOfStep(action.step));
        case Action::Kind::kEndWeek:
            errand_.menuItem = "WeekEnd";
            return host_.Tap(adventure, "Menu");
        case Action::Kind::kSearch:
            errand_.menuItem = "Search";
            return host_.Tap(adventure, "Menu");
        case Action::Kind::kSail:
            errand_.menuItem = "NewContinent";
            return host_.Tap(adventure, "Menu");
        case Action::Kind::kCast:
            return host_.Tap(adventure, "SpellInfo");
        case Action::Kind::kDismiss:
            errand_.dismissSlot = action.value;
            return host_.Tap(adventure, "WeaponInfo");
    }
}

GameReport Pilot::Report(const std::string& heroClass, int difficulty, unsigned seed) const {
    GameReport report;
    report.heroClass = heroClass;
    report.difficulty = difficulty;
    report.seed = seed;
    if (hands_.ending() == Ending::kWon) report.outcome = GameReport::Outcome::kWon;
    if (hands_.ending() == Ending::kLost) report.outcome = GameReport::Outcome::kLost;
    report.daysUsed = days_ - game_.time().daysLeft();
    report.score = game_.hero().Score();
    report.villainsCaught = static_cast<int>(game_.hero().villainsCaught().size());
    report.battles = battles_;
    report.actions = actions_;
    return report;
}

}  // namespace

GameReport PlayGameOnScreens(const std::string& folder, const std::string& heroClass,
                             int difficulty, unsigned seed, int days, long mostInputs) {
    platform::SetFixedSeed(seed);
    DrivenPlatform host;
    platform::SetCurrent(&host);
    GameApplication app((std::filesystem::path(folder) / "Corvanth").string());
    if (!app.Init()) {
        platform::SetCurrent(nullptr);
        throw std::runtime_error("the game in " + folder + " did not start");
    }
    TheNewGameChoices() = NewGameChoices{u"Auto", heroClass, 0, difficulty};
    StartNewGame(PackagedRules());
    app.SetScreen(&AdventureScreen());
    // The game stays alive to the report, whatever the screens do with it.
    const Ref<RunningGame> game(CurrentGame());
    if (days > 0) game->time().SetDaysLeft(days);
    Pilot pilot(host, *game, mostInputs);
    host.SetFeeder([&pilot] { return pilot.Feed(); });
    app.Run();
    app.Exit();
    host.SetFeeder({});
    const GameReport report = pilot.Report(heroClass, difficulty, seed);
    BeginSession(nullptr);
    platform::SetCurrent(nullptr);
    return report;
}

}  // namespace cv::autoplay
