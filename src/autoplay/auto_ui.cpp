#include "autoplay/auto_ui.h"

#include <utility>

#include "autoplay/battle_runner.h"

namespace cv::autoplay {

AutoUi::AutoUi(RunningGame& game, Responder& player) : game_(game), player_(player) {
    SetUi(this);
}

AutoUi::~AutoUi() {
    SetUi(nullptr);
}

void AutoUi::Push(Waiting waiting) {
    shown_ = true;
    waiting_.push_back(std::move(waiting));
}

void AutoUi::ShowMessage(const GameMessage& message, AnswerHandler then) {
    Push({{}, message, nullptr, std::move(then), nullptr, {}, {}});
}

void AutoUi::OpenScreen(const std::string& name, AnswerHandler then) {
    Push({name, {}, nullptr, std::move(then), nullptr, {}, {}});
}

void AutoUi::OpenScreenFor(const std::string& name, Ref<RefCounted> subject, AnswerHandler then) {
    Push({name, {}, std::move(subject), std::move(then), nullptr, {}, {}});
}

void AutoUi::StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) {
    Push({{}, {}, nullptr, {}, std::move(enemy), {}, std::move(then)});
}

void AutoUi::StartSiege(Ref<Army> garrison,
                        std::function<std::u16string(std::u16string)> victoryText,
                        std::function<void(BattleOutcome)> then) {
    Push({{}, {}, nullptr, {}, std::move(garrison), std::move(victoryText), std::move(then)});
}

bool AutoUi::TakeShownSince() {
    return std::exchange(shown_, false);
}

void AutoUi::Settle() {
    while (!waiting_.empty()) {
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        HandOver(next);
    }
}

void AutoUi::HandOver(Waiting& waiting) {
    if (waiting.enemy) return Fight(waiting);
    const std::string answer = waiting.screen.empty()
                                   ? player_.Answer(waiting.message)
                                   : player_.UseScreen(waiting.screen, waiting.subject);
    if (waiting.then) waiting.then(answer);
}

// The battle screen covers what was open before it: the battle's own
// messages come first, the rest after it.
void AutoUi::Fight(Waiting& battle) {
    std::deque<Waiting> before = std::exchange(waiting_, {});
    fighting_ = true;
    BattleWatch watch;
    watch.answerOne = [this] {
        if (waiting_.empty()) return false;
        Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        HandOver(next);
        return true;
    };
    watch.givesUp = [this](int round) { return player_.GivesUp(round); };
    const BattleOutcome outcome =
        FightOut(game_, std::move(battle.enemy), std::move(battle.victoryText), watch);
    fighting_ = false;
    (outcome == BattleOutcome::kVictory ? battles_.won : battles_.lost)++;
    // Back on the map, beaten armies leave it, then the outcome is applied.
    game_.here().OnScreenOpen(game_);
    for (Waiting& waiting : before) waiting_.push_back(std::move(waiting));
    if (battle.afterBattle) battle.afterBattle(outcome);
}

}  // namespace cv::autoplay
