#include "game/combat/battle.h"

#include "game/model/army_rules.h"

namespace cv {

Battle::Battle(Hero& hero, Ref<Army> enemy, std::string unitOfWeek, const CombatSys& params,
               BattleView& view, OutcomeHandler onEnd)
    : hero_(hero),
      enemy_(enemy),
      view_(view),
      onEnd_(std::move(onEnd)),
      strikes_(hero, std::move(enemy), std::move(unitOfWeek), params, &view) {}

void Battle::Start() {
    strikes_.EnlistArmies();
    PlaceObstacles();
    PlaceSide(kHeroSide);
    PlaceSide(kEnemySide);
    StartRound();
}

void Battle::PlaceObstacles() {
    field_.PlaceObstacles();
}

// Each squad faces the other side from its own edge, in the row of its slot.
void Battle::PlaceSide(int side) {
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = ArmyOf(side).At(slot)) {
            StateOf(*squad).cell = {side == kHeroSide ? 0 : Battlefield::kWidth - 1, slot};
        }
    }
}

const CombatSquadState& Battle::StateOf(const Squad& squad) const {
    return strikes_.StateOf(squad);
}

int Battle::SideOf(const Squad& squad) const {
    if (hero_.army().SlotOf(&squad) >= 0) return kHeroSide;
    return enemy_->SlotOf(&squad) >= 0 ? kEnemySide : -1;
}

bool Battle::OutOfControl(const Squad& squad) const {
    return SideOf(squad) == kHeroSide && IsOutOfControl(squad, hero_.EffectiveLeadership());
}

bool Battle::PlayerMayAct() const {
    return !finished_ && sideToAct_ == kHeroSide && !actionPending() && active_ &&
           !OutOfControl(*active_);
}

Ref<Squad> Battle::SquadAt(Cell cell) const {
    for (int side : {kHeroSide, kEnemySide}) {
        for (const Ref<Squad>& squad : SquadsOf(side)) {
            if (StateOf(*squad).cell == cell) return squad;
        }
    }
    return {};
}

std::vector<Ref<Squad>> Battle::SquadsOf(int side) const {
    std::vector<Ref<Squad>> squads;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        Ref<Squad> squad = ArmyOf(side).At(slot);
        if (squad && squad->count() > 0) squads.push_back(squad);
    }
    return squads;
}

void Battle::StartRound() {
    ++round_;
    strikes_.StartRound();
    spellCast_ = false;
    spells_.Cancel();
    BeginSide(kHeroSide);
}

void Battle::BeginSide(int side) {
    sideToAct_ = side;
    const std::vector<Ref<Squad>> squads = SquadsOf(side);
    if (!squads.empty()) Select(squads.front());
}

void Battle::Select(const Ref<Squad>& squad) {
    CombatSquadState& state = StateOf(*squad);
    if (state.deferredMoves > 0) {
        state.movesLeft = state.deferredMoves;
        state.deferredMoves = 0;
    }
    active_ = squad;
    RefreshStatus();
}

void Battle::PassOn() {
    if (finished_) return;
    if (!hero_.army().HasUnits() || !enemy_->HasUnits()) {
        EndCheck();
        return;
    }
    const Army& army = ArmyOf(sideToAct_);
    const int slot = active_ ? army.SlotOf(active_.get()) : -1;
    // The active squad left its side (it changed sides or was removed): the
    // other side takes over, with no squad chosen and no end check.
    if (slot < 0) {
        sideToAct_ = 1 - sideToAct_;
        return;
    }
    for (int step = 1; step < Army::kSlots; ++step) {
        Ref<Squad> next = army.At((slot + step) % Army::kSlots);
        if (next && next->count() > 0 && StateOf(*next).movesLeft > 0) return Select(next);
    }
    EndSideTurn();
}

void Battle::EndHeroTurn() {
    if (!finished_ && sideToAct_ == kHeroSide && !actionPending()) EndSideTurn();
}

void Battle::EndSideTurn() {
    if (!EndCheck()) return;
    if (sideToAct_ == kHeroSide) {
        BeginSide(kEnemySide);
    } else {
        StartRound();
    }
}

bool Battle::EndCheck() {
    hero_.army().RemoveEmptySquads();
    enemy_->RemoveEmptySquads();
    if (hero_.army().IsEmpty()) {
        Defeat();
        return false;
    }
    if (!enemy_->IsEmpty()) return true;
    bool rebels = false;
    for (const Ref<Squad>& squad : SquadsOf(kHeroSide)) rebels = rebels || OutOfControl(*squad);
    if (!rebels) {
        VictorySummary();
        return false;
    }
    TurnRebels();
    if (hero_.army().IsEmpty()) {
        Defeat();
    } else {
        StartRound();
    }
    return false;
}

// With the enemy gone, squads beyond the hero's leadership turn on the hero,
// keeping their order.
void Battle::TurnRebels() {
    std::vector<Ref<Squad>> rebels;
    for (const Ref<Squad>& squad : SquadsOf(kHeroSide)) {
        if (OutOfControl(*squad)) rebels.push_back(squad);
    }
    for (const Ref<Squad>& rebel : rebels)
        hero_.army().RemoveSlot(hero_.army().SlotOf(rebel.get()));
    for (const Ref<Squad>& rebel : rebels) enemy_->Add(rebel);
    view_.MarkRedraw();
}

void Battle::AfterSpell(bool damaging) {
    spellCast_ = true;
    if (damaging && !EndCheck()) return;
    StartCountdown(false);
}

void Battle::StartCountdown(bool passOn) {
    countdown_ = kActionDelayTicks;
    passOnAfterAction_ = passOn;
    view_.MarkRedraw();
}

void Battle::Tick() {
    if (finished_) return;
    if (countdown_ > 0) {
        if (--countdown_ == 0) FinishAction();
        return;
    }
    // A side that started without a squad: the end check decides at once.
    if (!active_) return PassOn();
    if (!ComputerPlays()) return;
    (sideToAct_ == kEnemySide ? enemyPlayer_ : rebelPlayer_).Tick();
}

bool Battle::ComputerPlays() const {
    return active_ && (sideToAct_ == kEnemySide || OutOfControl(*active_));
}

void Battle::FinishAction() {
    if (const auto& retaliation = strikes_.queuedRetaliation()) {
        const Ref<Squad> striker = retaliation->attacker;
        const Ref<Squad> target = retaliation->defender;
        const int killed = strikes_.ResolveRetaliation();
        ReportStrike("<DST> retaliate killing <N> <SRC>", *target, *striker, killed);
        StartCountdown(true);
        return;
    }
    if (passOnAfterAction_) {
        PassOn();
        return;
    }
    enemy_->RemoveEmptySquads();
    RefreshStatus();
}

}  // namespace cv
