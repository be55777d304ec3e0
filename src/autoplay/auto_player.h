#pragma once

#include <string>

#include "autoplay/auto_ui.h"
#include "autoplay/message_answers.h"
#include "autoplay/planner.h"
#include "autoplay/screen_actions.h"

namespace cv::autoplay {

// The computer player of one game: he answers what the screens show,
// uses the screens the rules open, judges armies by what the messages tell
// him, and does what the planner decides through the same rules the
// adventure screen and its menu call.
class AutoPlayer : public Responder, public Judge {
public:
    // Rounds a battle may last before he gives it up.
    static constexpr int kRoundsBeforeGivingUp = 40;

    explicit AutoPlayer(RunningGame& game) : game_(game), planner_(game, memory_) {}
    // The player of `before` at the loaded copy of its game, his memory and
    // plans carried over.
    AutoPlayer(RunningGame& game, const AutoPlayer& before, const ObjectMoves& moved);

    std::string Answer(const GameMessage& message) override;
    std::string UseScreen(const std::string& name, const Ref<RefCounted>& subject) override;
    bool GivesUp(int round) override;

    bool WantsFight(const SeenArmy& enemy) override;
    bool WantsRecruits(const SeenSquad& band) override;
    bool PrefersLeadership() override;
    bool Intends(Plan plan) override;
    void LearnCastle(const std::u16string& castleName, const SeenArmy& garrison) override;

    // Decides and does the next thing; `disturbed` when the screens showed
    // something since the last one.
    void Act(bool disturbed);
    // The next thing to do, for whoever does it (the screens' keys and taps).
    Action Decide(bool disturbed) { return planner_.Next(disturbed); }
    // Keeps in mind what the action is for, so that the questions it brings
    // are answered accordingly.
    void Intend(const Action& action);
    // What was meant for the last action is over once its screens closed.
    void ForgetIntentions();
    Ending ending() const { return ending_; }
    PlayerMemory& memory() { return memory_; }

private:
    void Perform(const Action& action);

    RunningGame& game_;
    PlayerMemory memory_;
    Intentions intentions_;
    Planner planner_;
    Ending ending_ = Ending::kNone;
};

}  // namespace cv::autoplay
