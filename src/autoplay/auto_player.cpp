#include "autoplay/auto_player.h"

#include "autoplay/object_moves.h"
#include "autoplay/recruiting.h"
#include "game/model/army_rules.h"
#include "game/world/adventure_spells.h"
#include "game/world/hero_step.h"

namespace cv::autoplay {
namespace {

// Below this much gold a treasure's gold is worth more than leadership.
constexpr int kGoldBeforeLeadership = 1000;

}  // namespace

AutoPlayer::AutoPlayer(RunningGame& game, const AutoPlayer& before, const ObjectMoves& moved)
    : game_(game),
      memory_(MovedMemory(before.memory_, moved)),
      intentions_(before.intentions_),
      planner_(game, memory_, before.planner_, moved),
      ending_(before.ending_) {}

std::string AutoPlayer::Answer(const GameMessage& message) {
    return AnswerMessage(message, *this);
}

std::string AutoPlayer::UseScreen(const std::string& name, const Ref<RefCounted>& subject) {
    return autoplay::UseScreen(game_, memory_, name, subject, ending_);
}

bool AutoPlayer::GivesUp(int round) {
    intentions_.giveUp = round > kRoundsBeforeGivingUp;
    return intentions_.giveUp;
}

bool AutoPlayer::WantsFight(const SeenArmy& enemy) {
    if (memory_.approaching) memory_.sightings[memory_.approaching] = enemy;
    return intentions_.attack || planner_.Outmatches(enemy);
}

// A band is welcome while all it may bring stays under the hero's command
// and in good spirits.
bool AutoPlayer::WantsRecruits(const SeenSquad& band) {
    const Hero& hero = game_.hero();
    const int64_t need =
        int64_t{band.unit->leadership} * (hero.army().TotalOf(band.unit->id) + band.most);
    return need <= hero.EffectiveLeadership() && KeepsMorale(hero, band.unit->id, band.most);
}

bool AutoPlayer::PrefersLeadership() {
    return game_.hero().gold() >= kGoldBeforeLeadership;
}

bool AutoPlayer::Intends(Plan plan) {
    switch (plan) {
        case Plan::kLaySiege:
            return intentions_.laySiege;
        case Plan::kSearch:
            return intentions_.search;
        case Plan::kGiveUp:
            return intentions_.giveUp;
        case Plan::kDismiss:
            return intentions_.dismiss;
    }
    return false;
}

void AutoPlayer::LearnCastle(const std::u16string& castleName, const SeenArmy& garrison) {
    for (int i = 0; i < game_.world().Count(); ++i) {
        const Location* location = game_.world().Get(i);
        for (const Ref<Castle>& castle :
             location ? location->castles() : std::vector<Ref<Castle>>{}) {
            if (castle->DisplayName() == castleName) memory_.castleNews[castle.get()] = garrison;
        }
    }
}

void AutoPlayer::Act(bool disturbed) {
    const Action action = planner_.Next(disturbed);
    Intend(action);
    Perform(action);
}

void AutoPlayer::Intend(const Action& action) {
    memory_.approaching = action.visiting;
    intentions_.laySiege = action.purpose == Purpose::kLaySiege;
    intentions_.attack = action.purpose == Purpose::kAttack;
    intentions_.search = action.kind == Action::Kind::kSearch;
    intentions_.dismiss = action.kind == Action::Kind::kDismiss;
    if (action.kind == Action::Kind::kCast) memory_.spellToCast = action.spell;
}

void AutoPlayer::ForgetIntentions() {
    intentions_ = {};
    memory_.approaching = nullptr;
}

// Each as its button, key or menu entry does it.
void AutoPlayer::Perform(const Action& action) {
    switch (action.kind) {
        case Action::Kind::kStep:
            StepHero(game_, action.step.dx, action.step.dy);
            return;
        case Action::Kind::kEndWeek:
            game_.time().EndWeekNow();
            return;
        case Action::Kind::kSearch:
            game_.time().OfferSearch();
            return;
        case Action::Kind::kSail:
            Ui().OpenScreen("SelectContinent", {});
            return;
        case Action::Kind::kCast:
            OpenAdventureSpells(game_);
            return;
        case Action::Kind::kDismiss:
            AskDismiss(game_.hero().armyRef(), action.value, {});
            return;
    }
}

}  // namespace cv::autoplay
