#include "game/combat/battle_input.h"

#include "core/language.h"

namespace cv {

const char* CursorName(BattleCursor cursor) {
    switch (cursor) {
        case BattleCursor::kFly:
            return "fly";
        case BattleCursor::kStrike:
            return "strike";
        case BattleCursor::kShoot:
            return "shoot";
        case BattleCursor::kSelOk:
            return "selOk";
        case BattleCursor::kSelBad:
            return "selBad";
        case BattleCursor::kStop:
            return "stop";
        case BattleCursor::kSpell:
            return "$Spell";
        default:
            return "";
    }
}

BattleCursor BattleInput::CursorAt(Cell cell) const {
    if (mode() == Mode::kSpell && battle_.PlayerMayAct() && Battlefield::OnField(cell)) {
        return battle_.spells().Accepts(cell) ? BattleCursor::kSelOk : BattleCursor::kSpell;
    }
    switch (IntentAt(cell)) {
        case Intent::kWait:
            return BattleCursor::kStop;
        case Intent::kSelect:
            return BattleCursor::kSelOk;
        case Intent::kRefuse:
            return BattleCursor::kSelBad;
        case Intent::kStrike:
            return BattleCursor::kStrike;
        case Intent::kShoot:
            return BattleCursor::kShoot;
        case Intent::kFly:
            return BattleCursor::kFly;
        default:
            return BattleCursor::kNone;
    }
}

void BattleInput::Release(Cell cell) {
    if (mode() == Mode::kSpell) return battle_.spells().CastAt(cell);
    const Intent intent = IntentAt(cell);
    if (battle_.PlayerMayAct()) mode_ = Mode::kNone;
    Perform(intent, cell);
}

bool BattleInput::IsTarget(const Squad& squad) const {
    return battle_.SideOf(squad) == Battle::kEnemySide || battle_.OutOfControl(squad);
}

bool BattleInput::MayFly() const {
    const Ref<Squad>& active = battle_.active();
    return active->kind().Has(kUnitFly) && !battle_.StateOf(*active).flew;
}

BattleInput::Intent BattleInput::IntentAt(Cell cell) const {
    if (!battle_.PlayerMayAct() || !Battlefield::OnField(cell)) return Intent::kNone;
    if (mode() != Mode::kNone) return TargetingIntent(cell);
    if (cell == ActiveCell()) return Intent::kWait;
    const bool adjacent = Adjacent(cell, ActiveCell());
    if (Ref<Squad> squad = battle_.SquadAt(cell)) return SquadIntent(*squad, adjacent);
    return GroundIntent(cell, adjacent);
}

BattleInput::Intent BattleInput::SquadIntent(const Squad& squad, bool adjacent) const {
    if (IsTarget(squad)) {
        if (adjacent) return Intent::kStrike;
        return battle_.StateOf(*battle_.active()).shotsLeft > 0 ? Intent::kShoot : Intent::kNone;
    }
    const CombatSquadState& state = battle_.StateOf(squad);
    return state.movesLeft > 0 || state.deferredMoves > 0 ? Intent::kSelect : Intent::kRefuse;
}

BattleInput::Intent BattleInput::GroundIntent(Cell cell, bool adjacent) const {
    if (!battle_.field().IsPassable(cell)) return Intent::kNone;
    if (adjacent) return Intent::kMove;
    return MayFly() ? Intent::kFly : Intent::kNone;
}

BattleInput::Intent BattleInput::TargetingIntent(Cell cell) const {
    const Ref<Squad> squad = battle_.SquadAt(cell);
    if (mode_ == Mode::kShoot) return squad && IsTarget(*squad) ? Intent::kShoot : Intent::kNone;
    return !squad && battle_.field().IsPassable(cell) ? Intent::kFly : Intent::kNone;
}

void BattleInput::Perform(Intent intent, Cell cell) {
    const Ref<Squad> active = battle_.active();
    switch (intent) {
        case Intent::kWait:
            return battle_.Wait(active);
        case Intent::kSelect:
            return battle_.Select(battle_.SquadAt(cell));
        case Intent::kMove:
        case Intent::kStrike:
            return battle_.MoveOrAttack(active, cell);
        case Intent::kShoot:
            battle_.Shoot(active, battle_.SquadAt(cell));
            return;
        case Intent::kFly:
            return battle_.Fly(active, cell);
        default:
            return;
    }
}

void BattleInput::Direction(int direction) {
    if (!battle_.PlayerMayAct() || direction < 0 || direction >= 8) return;
    if (mode() == Mode::kNone)
        return battle_.MoveOrAttack(battle_.active(), Neighbour(ActiveCell(), direction));
    const Cell next = Neighbour(cursor_, direction);
    if (Battlefield::OnField(next)) cursor_ = next;
}

void BattleInput::ActionKey() {
    if (mode() != Mode::kNone) return Confirm();
    if (battle_.PlayerMayAct()) battle_.Wait(battle_.active());
}

// A target the squad cannot take keeps the mode, so the cursor can move on.
void BattleInput::Confirm() {
    if (mode() == Mode::kSpell) return battle_.spells().CastAt(cursor_);
    if (mode_ == Mode::kNone || !battle_.PlayerMayAct()) return;
    const Intent intent = TargetingIntent(cursor_);
    if (intent == Intent::kNone) return;
    mode_ = Mode::kNone;
    Perform(intent, cursor_);
}

void BattleInput::BeginShoot() {
    if (!battle_.PlayerMayAct() || battle_.StateOf(*battle_.active()).shotsLeft <= 0) return;
    battle_.spells().Cancel();
    mode_ = Mode::kShoot;
    cursor_ = ActiveCell();
    battle_.ShowMessageLine(GetText("Select target"));
}

void BattleInput::BeginFly() {
    if (!battle_.PlayerMayAct() || !MayFly()) return;
    battle_.spells().Cancel();
    mode_ = Mode::kFly;
    cursor_ = ActiveCell();
    battle_.ShowMessageLine(GetText("Select new location"));
}

void BattleInput::OpenSpellList() {
    battle_.spells().OpenList([this](const std::string& spellId) { ArmSpell(spellId); });
}

bool BattleInput::ArmSpell(const std::string& spellId) {
    if (!battle_.spells().Arm(spellId)) return false;
    mode_ = Mode::kNone;
    cursor_ = ActiveCell();
    return true;
}

void BattleInput::Cancel() {
    mode_ = Mode::kNone;
    battle_.spells().Cancel();
}

// Cyclically by slot, over the squads that obey and still have moves.
void BattleInput::CycleSquad(int step) {
    if (!battle_.PlayerMayAct() || mode() != Mode::kNone) return;
    const Army& army = battle_.ArmyOf(Battle::kHeroSide);
    const int from = army.SlotOf(battle_.active().get());
    for (int i = 1; i < Army::kSlots; ++i) {
        const Ref<Squad> squad =
            army.At(((from + step * i) % Army::kSlots + Army::kSlots) % Army::kSlots);
        if (!squad || squad->count() <= 0 || battle_.OutOfControl(*squad)) continue;
        const CombatSquadState& state = battle_.StateOf(*squad);
        if (state.movesLeft > 0 || state.deferredMoves > 0) return battle_.Select(squad);
    }
}

}  // namespace cv
