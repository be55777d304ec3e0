#include "core/language.h"
#include "game/combat/battle.h"
#include "game/model/game_text.h"

namespace cv {
namespace {

// The hero's squad with the most hit points; the earliest slot wins a tie.
Ref<Squad> StrongestSquad(const std::vector<Ref<Squad>>& squads) {
    Ref<Squad> strongest;
    for (const Ref<Squad>& squad : squads) {
        if (!strongest || squad->TotalHitPoints() > strongest->TotalHitPoints()) {
            strongest = squad;
        }
    }
    return strongest;
}

std::u16string CounterLine(const std::string& label, int value) {
    return u"\n" + GetText(label) + u": " + GroupedNumber(value);
}

}  // namespace

std::u16string Battle::VictoryLine() const {
    std::u16string line = GetText("Victory! <NAME> spolis of war: <N>");
    ReplacePlaceholder(line, u"<NAME>", hero_.NameWithTitle());
    ReplacePlaceholder(line, u"<N>", GroupedNumber(counters().spoils));
    return line;
}

void Battle::VictorySummary() {
    hero_.AddGold(counters().spoils);
    finished_ = true;
    GameMessage message;
    message.text = VictoryLine() + CounterLine("Followers killed", counters().followersKilled) +
                   CounterLine("Enemies killed", counters().enemiesKilled);
    if (Ref<Squad> strongest = StrongestSquad(SquadsOf(kHeroSide))) {
        message.picture = strongest->kind().StillPicture();
    }
    message.buttons = "Continue";
    Ui().PlaySound(SoundEvent::Victory);
    Ui().ShowMessage(message, [this](const std::string&) { Finish(BattleOutcome::kVictory); });
}

void Battle::Defeat() {
    Ui().PlaySound(SoundEvent::Defeat);
    hero_.army().Clear();
    Finish(BattleOutcome::kDefeat);
}

void Battle::GiveUp() {
    if (finished_) return;
    Ui().ShowMessage({GetText("Give up?"), {}, "Yes,No", {}, {}},
                     [this](const std::string& answer) {
                         if (answer == "Yes" && !finished_) Defeat();
                     });
}

void Battle::Finish(BattleOutcome outcome) {
    finished_ = true;
    countdown_ = 0;
    view_.MarkRedraw();
    if (onEnd_) onEnd_(outcome);
}

}  // namespace cv
