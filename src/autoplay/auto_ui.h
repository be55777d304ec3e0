#pragma once

#include <deque>
#include <functional>
#include <string>

#include "game/model/game_ui.h"
#include "game/world/running_game.h"

namespace cv::autoplay {

// The player behind the screens: he reads every message and uses every
// screen the rules open, and says when a battle is lost to him.
class Responder {
public:
    virtual ~Responder() = default;
    // The button pressed.
    virtual std::string Answer(const GameMessage& message) = 0;
    // Acts on the screen as a player would, through the rules' own calls,
    // and gives the answer the screen closes with.
    virtual std::string UseScreen(const std::string& name, const Ref<RefCounted>& subject) = 0;
    // Asked at the start of each round of a battle.
    virtual bool GivesUp(int round) = 0;
};

// How the battles of a game went.
struct BattleTally {
    int won = 0;
    int lost = 0;
};

// The screens of a game without drawing: what the rules show or open waits
// in order, as it would on screen, until Settle hands each to the player;
// battles are fought out by the game's computer player on both sides.
class AutoUi : public GameUi {
public:
    AutoUi(RunningGame& game, Responder& player);
    ~AutoUi() override;
    AutoUi(const AutoUi&) = delete;
    AutoUi& operator=(const AutoUi&) = delete;

    void ShowMessage(const GameMessage& message, AnswerHandler then) override;
    void OpenScreen(const std::string& name, AnswerHandler then) override;
    void OpenScreenFor(const std::string& name, Ref<RefCounted> subject,
                       AnswerHandler then) override;
    void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) override;
    void StartSiege(Ref<Army> garrison, std::function<std::u16string(std::u16string)> victoryText,
                    std::function<void(BattleOutcome)> then) override;
    void NotifyActiveForm(const std::string&) override {}
    bool AdventureIsCurrent() const override { return waiting_.empty() && !fighting_; }

    // Hands everything waiting to the player, oldest first, until the map is
    // current again.
    void Settle();
    // Something was shown or opened since the last call.
    bool TakeShownSince();

    const BattleTally& battles() const { return battles_; }

private:
    struct Waiting {
        std::string screen;  // empty for a message box
        GameMessage message;
        Ref<RefCounted> subject;
        AnswerHandler then;
        Ref<Army> enemy;  // a battle when set
        std::function<std::u16string(std::u16string)> victoryText;
        std::function<void(BattleOutcome)> afterBattle;
    };

    void Push(Waiting waiting);
    void HandOver(Waiting& waiting);
    void Fight(Waiting& battle);

    RunningGame& game_;
    Responder& player_;
    std::deque<Waiting> waiting_;
    bool fighting_ = false;
    bool shown_ = false;
    BattleTally battles_;
};

}  // namespace cv::autoplay
