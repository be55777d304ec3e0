#pragma once

#include "game/combat/battle.h"

namespace cv {

// The pointer pictures of the field ("Img\Arrows\" + name).
enum class BattleCursor { kNone, kFly, kStrike, kShoot, kSelOk, kSelBad, kStop };
// "fly", "strike", "shoot", "selOk", "selBad", "stop"; "" for none.
const char* CursorName(BattleCursor cursor);

// The player's commands to the active squad, from the stylus or the keys,
// taken only while the hero's side acts with a squad in control and no action
// runs. Knows nothing of drawing.
class BattleInput {
public:
    enum class Mode { kNone, kShoot, kFly };
    explicit BattleInput(Battle& battle) : battle_(battle) {}

    // What lifting the stylus on `cell` would do; a plain step shows none.
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
    void Confirm();
    void Cancel() { mode_ = Mode::kNone; }

    Mode mode() const { return mode_; }
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
