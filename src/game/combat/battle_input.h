#pragma once

#include "game/combat/battle.h"

namespace cv {

// The pointer pictures of the field ("Img\Arrows\" + name).
enum class BattleCursor { kNone, kFly, kStrike, kShoot, kSelOk, kSelBad, kStop, kSpell };
// "fly", "strike", "shoot", "selOk", "selBad", "stop", "$Spell"; "" for none.
const char* CursorName(BattleCursor cursor);

// The player's commands to the active squad, from the stylus or the keys,
// taken only while the hero's side acts with a squad in control and no action
// runs. Knows nothing of drawing.
class BattleInput {
public:
    // kSpell while an armed combat spell waits for its target.
    enum class Mode { kNone, kShoot, kFly, kSpell };
    explicit BattleInput(Battle& battle) : battle_(battle) {}

    // What lifting the stylus on `cell` would do; a plain step shows none.
    // With a spell armed: selOk over a cell that takes it, else $Spell.
    BattleCursor CursorAt(Cell cell) const;
    void Release(Cell cell);

    // One of the eight directions (see kBattleDirections): a step, or the
    // target cursor in a targeting mode.
    void Direction(int direction);
    // Waits, or confirms the target in a targeting mode.
    void ActionKey();
    void PreviousSquad() { CycleSquad(-1); }
    void NextSquad() { CycleSquad(1); }
    // The "Shoot" and "Fly" buttons: the next cell chosen is the target.
    void BeginShoot();
    void BeginFly();
    // The "Spells" button and the key "3": "Only 1 spell per round" after
    // this round's cast, else the "CombatSpells" screen, which answers with
    // the id of the spell to arm.
    void OpenSpellList();
    // Arms a combat spell with its prompt; the key cursor starts on the
    // active squad. False when the spell cannot be cast now.
    bool ArmSpell(const std::string& spellId);
    void Confirm();
    // Leaves the targeting mode, disarming a spell.
    void Cancel();

    Mode mode() const { return battle_.spells().armed() ? Mode::kSpell : mode_; }
    Cell cursor() const { return cursor_; }

private:
    enum class Intent { kNone, kWait, kSelect, kRefuse, kMove, kStrike, kShoot, kFly };
    Intent IntentAt(Cell cell) const;
    Intent TargetingIntent(Cell cell) const;
    Intent SquadIntent(const Squad& squad, bool adjacent) const;
    Intent GroundIntent(Cell cell, bool adjacent) const;
    void Perform(Intent intent, Cell cell);
    void CycleSquad(int step);
    // An enemy squad, or one of the hero's that no longer obeys him.
    bool IsTarget(const Squad& squad) const;
    bool MayFly() const;
    Cell ActiveCell() const { return battle_.StateOf(*battle_.active()).cell; }

    Battle& battle_;
    Mode mode_ = Mode::kNone;
    Cell cursor_;
};

}  // namespace cv
