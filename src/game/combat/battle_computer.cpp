#include "game/combat/battle_computer.h"

#include <algorithm>

#include "game/combat/battle.h"
#include "game/model/game_random.h"

namespace cv {
namespace {

using Squads = std::vector<Ref<Squad>>;

void ByHitPoints(Squads& squads) {
    std::stable_sort(squads.begin(), squads.end(), [](const Ref<Squad>& a, const Ref<Squad>& b) {
        return a->TotalHitPoints() < b->TotalHitPoints();
    });
}

}  // namespace

void ComputerPlayer::Tick() {
    if (--countdown_ > 0) return;
    countdown_ = Battle::kActionDelayTicks;
    Act();
}

void ComputerPlayer::Act() {
    const Ref<Squad> mover = battle_.active();
    if (!mover) return;
    // No one left to fight: passing on runs the end check, which ends it.
    const int foes = role_ == Role::kHeroSide ? Battle::kEnemySide : Battle::kHeroSide;
    if (battle_.SquadsOf(foes).empty()) return battle_.PassOn();
    if (battle_.StateOf(*mover).frozen) return battle_.LoseFrozenTurn(mover);
    if (TryShoot(mover)) return;
    if (mover->kind().Has(kUnitFly)) return Fly(mover);
    Walk(mover);
}

// The enemy side goes for the hero's squads and the hero's side for the
// enemy's; a squad out of control for everyone else, the enemy first.
ComputerPlayer::Squads ComputerPlayer::Targets(const Squad& mover) const {
    if (role_ == Role::kHeroSide) return battle_.SquadsOf(Battle::kEnemySide);
    Squads targets;
    if (role_ == Role::kOutOfControl) targets = battle_.SquadsOf(Battle::kEnemySide);
    for (const Ref<Squad>& squad : battle_.SquadsOf(Battle::kHeroSide)) {
        if (squad.get() != &mover) targets.push_back(squad);
    }
    return targets;
}

// Looked at from the last direction to the first.
ComputerPlayer::Squads ComputerPlayer::AdjacentFoes(const Squad& mover) const {
    Squads foes;
    const Cell at = battle_.StateOf(mover).cell;
    const int side = battle_.SideOf(mover);
    for (int direction = 7; direction >= 0; --direction) {
        Ref<Squad> squad = battle_.SquadAt(Neighbour(at, direction));
        if (squad && (role_ == Role::kOutOfControl || battle_.SideOf(*squad) != side)) {
            foes.push_back(squad);
        }
    }
    return foes;
}

// Other shooters first. A spell-shooter never picks a target its magic cannot
// touch, or it would aim at it for ever without effect.
ComputerPlayer::Squads ComputerPlayer::ShotCandidates(const Squad& shooter) const {
    Squads all = Targets(shooter);
    if (shooter.kind().Has(kUnitSpellShoot)) {
        std::erase_if(all, [](const Ref<Squad>& t) { return t->kind().Has(kUnitUnspell); });
    }
    Squads shooters;
    for (const Ref<Squad>& target : all) {
        if (battle_.StateOf(*target).shotsLeft > 0) shooters.push_back(target);
    }
    Squads candidates = shooters.empty() ? all : shooters;
    ByHitPoints(candidates);
    return candidates;
}

bool ComputerPlayer::TryShoot(const Ref<Squad>& shooter) {
    if (!battle_.CanShoot(*shooter)) return false;
    const Squads candidates = ShotCandidates(*shooter);
    return !candidates.empty() && battle_.Shoot(shooter, candidates.front());
}

std::vector<Cell> ComputerPlayer::FreeCellsAround(const Squad& target) const {
    std::vector<Cell> cells;
    const Cell at = battle_.StateOf(target).cell;
    for (int direction = 0; direction < 8; ++direction) {
        const Cell cell = Neighbour(at, direction);
        if (battle_.field().IsPassable(cell) && !battle_.SquadAt(cell)) cells.push_back(cell);
    }
    return cells;
}

void ComputerPlayer::Fly(const Ref<Squad>& flier) {
    const CombatSquadState& state = battle_.StateOf(*flier);
    if (state.flew) {
        const bool remembered = flier_ == flier && flightTarget_ && flightTarget_->count() > 0 &&
                                battle_.SideOf(*flightTarget_) >= 0 &&
                                Adjacent(state.cell, battle_.StateOf(*flightTarget_).cell);
        if (remembered) return battle_.Attack(flier, flightTarget_);
        return Walk(flier);  // flown under the player's hand: no target of ours
    }
    const Squads targets = Targets(*flier);
    if (!targets.empty() && Adjacent(state.cell, battle_.StateOf(*targets.front()).cell)) {
        return battle_.Attack(flier, targets.front());
    }
    for (const Ref<Squad>& target : targets) {
        const std::vector<Cell> cells = FreeCellsAround(*target);
        if (cells.empty()) continue;
        flier_ = flier;
        flightTarget_ = target;
        return battle_.Fly(flier, cells[RandN(static_cast<int>(cells.size()))]);
    }
    battle_.Wait(flier);
}

void ComputerPlayer::Walk(const Ref<Squad>& walker) {
    Squads foes = AdjacentFoes(*walker);
    if (!foes.empty()) {
        ByHitPoints(foes);
        return battle_.Attack(walker, foes.front());
    }
    if (battle_.StateOf(*walker).movesLeft <= 0) return battle_.PassOn();
    Squads targets = Targets(*walker);
    ByHitPoints(targets);
    const PathMap paths = battle_.field().PathsFrom(
        battle_.StateOf(*walker).cell, [this](Cell cell) { return bool(battle_.SquadAt(cell)); });
    for (const Ref<Squad>& target : targets) {
        const Cell at = battle_.StateOf(*target).cell;
        int best = PathMap::kUnreachable;
        Cell goal;
        for (int direction = 7; direction >= 0; --direction) {
            const Cell cell = Neighbour(at, direction);
            const int distance = paths.DistanceTo(cell);
            if (distance > 0 && (best == PathMap::kUnreachable || distance < best)) {
                best = distance;
                goal = cell;
            }
        }
        if (best != PathMap::kUnreachable)
            return battle_.MoveOrAttack(walker, paths.FirstStepTo(goal));
    }
    battle_.Wait(walker);
}

}  // namespace cv
