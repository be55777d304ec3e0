#include "core/language.h"
#include "game/combat/battle.h"

namespace cv {
namespace {

std::u16string UnitText(const std::string& format, const Squad& squad) {
    std::u16string text = GetText(format);
    ReplacePlaceholder(text, u"<UNIT>", GetText(squad.kind().id));
    return text;
}

}  // namespace

void Battle::MoveOrAttack(const Ref<Squad>& mover, Cell target) {
    const Ref<Squad> there = SquadAt(target);
    const int side = SideOf(*mover);
    if (there && SideOf(*there) == side) {
        // The player may strike his own squads that no longer obey him.
        const bool playerMoves = side == kHeroSide && !OutOfControl(*mover);
        if (playerMoves && OutOfControl(*there)) Attack(mover, there);
        return;
    }
    if (!field_.IsPassable(target)) return;
    if (there) return Attack(mover, there);
    CombatSquadState& state = StateOf(*mover);
    state.cell = target;
    --state.movesLeft;
    StartCountdown(state.movesLeft <= 0);
}

void Battle::Attack(const Ref<Squad>& attacker, const Ref<Squad>& defender) {
    const int killed = strikes_.MeleeAttack(attacker, defender);
    ReportStrike("<SRC> vs <DST> killed <N>", *attacker, *defender, killed);
    StartCountdown(true);
}

bool Battle::FoeAdjacent(const Squad& shooter) const {
    const int side = SideOf(shooter);
    const Cell at = StateOf(shooter).cell;
    for (int other : {kHeroSide, kEnemySide}) {
        for (const Ref<Squad>& squad : SquadsOf(other)) {
            if (squad.get() == &shooter || !Adjacent(at, StateOf(*squad).cell)) continue;
            if (other != side) return true;
            if (side == kHeroSide && OutOfControl(*squad)) return true;
        }
    }
    return false;
}

bool Battle::CanShoot(const Squad& shooter) const {
    return StateOf(shooter).shotsLeft > 0 && !FoeAdjacent(shooter);
}

bool Battle::Shoot(const Ref<Squad>& shooter, const Ref<Squad>& target) {
    if (!CanShoot(*shooter)) {
        ShowMessageLine(GetText("Can't shoot"));
        return false;
    }
    if (shooter->kind().Has(kUnitSpellShoot) && target->kind().Has(kUnitUnspell)) {
        ShowMessageLine(GetText("This spell seems to have no effect!"));
        return false;
    }
    const int killed = strikes_.Shoot(shooter, target);
    ReportStrike("<SRC> vs <DST> killed <N>", *shooter, *target, killed);
    StartCountdown(true);
    return true;
}

void Battle::Fly(const Ref<Squad>& flier, Cell cell) {
    CombatSquadState& state = StateOf(*flier);
    state.cell = cell;
    state.flew = true;
    StartCountdown(state.movesLeft <= 0);
}

void Battle::Wait(const Ref<Squad>& squad) {
    CombatSquadState& state = StateOf(*squad);
    state.deferredMoves = state.movesLeft;
    state.movesLeft = 0;
    ShowMessageLine(UnitText("Skip <UNIT>", *squad));
    StartCountdown(true);
}

void Battle::LoseFrozenTurn(const Ref<Squad>& squad) {
    StateOf(*squad).movesLeft = 0;
    ShowMessageLine(UnitText("<UNIT> are frozen", *squad));
    PassOn();
}

void Battle::ReportStrike(const std::string& format, const Squad& source, const Squad& target,
                          int killed) {
    std::u16string text = GetText(format);
    ReplacePlaceholder(text, u"<SRC>", GetText(source.kind().id));
    ReplacePlaceholder(text, u"<DST>", GetText(target.kind().id));
    ReplacePlaceholder(text, u"<N>", killed);
    ShowMessageLine(text);
}

void Battle::RefreshStatus() {
    if (active_) view_.ShowStatus(StatusLine(*active_));
}

std::u16string Battle::StatusLine(const Squad& squad) const {
    if (OutOfControl(squad)) return UnitText("<UNIT> are out of control!", squad);
    const CombatSquadState& state = StateOf(squad);
    std::u16string line = GetText(squad.kind().id) + u", ";
    if (squad.kind().Has(kUnitFly) && !state.flew) {
        line += GetText("Fly");
    } else {
        std::u16string moves = GetText("MV: <N>");
        ReplacePlaceholder(moves, u"<N>", state.movesLeft);
        line += moves;
    }
    if (state.shotsLeft > 0) {
        std::u16string shots = GetText("Shoots: <N>");
        ReplacePlaceholder(shots, u"<N>", state.shotsLeft);
        line += u", " + shots;
    }
    return line;
}

}  // namespace cv
