#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/combat/battle_computer.h"
#include "game/combat/battle_field.h"
#include "game/combat/battle_spells.h"
#include "game/combat/battle_view.h"
#include "game/combat/strike_resolver.h"
#include "game/model/game_ui.h"

namespace cv {

// One battle of the hero's army (side 0) against an enemy army (side 1) on the
// 6 x 5 field: rounds, the squad and side to act, the actions and their
// animation delay, the end check and the outcome. Drawing and input belong to
// the screen (BattleView, BattleInput); the screen's timer calls Tick().
class Battle {
public:
    // Ticks an action's animation runs before play goes on; no input meanwhile.
    static constexpr int kActionDelayTicks = 3;
    static constexpr int kHeroSide = 0;
    static constexpr int kEnemySide = 1;
    using OutcomeHandler = std::function<void(BattleOutcome)>;

    Battle(Hero& hero, Ref<Army> enemy, std::string unitOfWeek, const CombatSys& params,
           BattleView& view, OutcomeHandler onEnd);
    virtual ~Battle() = default;
    Battle(const Battle&) = delete;
    Battle& operator=(const Battle&) = delete;

    // Enlists both armies, lays out the field and begins the first round.
    void Start();
    // Runs the pending action's countdown, else lets the computer play.
    void Tick();

    Hero& hero() { return hero_; }
    Army& ArmyOf(int side) { return side == kHeroSide ? hero_.army() : *enemy_; }
    const Army& ArmyOf(int side) const { return side == kHeroSide ? hero_.army() : *enemy_; }
    Battlefield& field() { return field_; }
    const Battlefield& field() const { return field_; }
    const BattleCounters& counters() const { return strikes_.counters(); }
    StrikeResolver& strikes() { return strikes_; }
    CombatSquadState& StateOf(const Squad& squad) { return strikes_.StateOf(squad); }
    const CombatSquadState& StateOf(const Squad& squad) const;
    const Ref<Squad>& active() const { return active_; }
    int sideToAct() const { return sideToAct_; }
    int round() const { return round_; }
    bool actionPending() const { return countdown_ > 0; }
    bool finished() const { return finished_; }
    // One combat spell a round: a cast sets it, a new round clears it.
    bool spellCast() const { return spellCast_; }
    BattleSpells& spells() { return spells_; }
    // The round's spell took effect: a damaging one runs the end check, then
    // its animation delay runs.
    void AfterSpell(bool damaging);

    // 0 or 1, or -1 for a squad in neither army.
    int SideOf(const Squad& squad) const;
    // A hero squad beyond the hero's leadership; enemy squads never are.
    bool OutOfControl(const Squad& squad) const;
    // The hero's side acts with a squad in control and nothing pending.
    bool PlayerMayAct() const;
    // The living squad standing on `cell`, if any.
    Ref<Squad> SquadAt(Cell cell) const;
    // Living squads of a side in slot order.
    std::vector<Ref<Squad>> SquadsOf(int side) const;

    void Select(const Ref<Squad>& squad);
    // One cell toward `target`: a step, a melee attack or nothing.
    void MoveOrAttack(const Ref<Squad>& mover, Cell target);
    void Attack(const Ref<Squad>& attacker, const Ref<Squad>& defender);
    // Shots left and no foe standing next to the shooter.
    bool CanShoot(const Squad& shooter) const;
    // "Can't shoot" or the no-effect message when refused; true when shot.
    bool Shoot(const Ref<Squad>& shooter, const Ref<Squad>& target);
    void Fly(const Ref<Squad>& flier, Cell cell);
    // "Skip <UNIT>": the moves are kept for when the player selects it again.
    void Wait(const Ref<Squad>& squad);
    void LoseFrozenTurn(const Ref<Squad>& squad);
    void PassOn();
    // The "Turn" button: the enemy side's turn begins at once.
    void EndHeroTurn();
    // Asks "Give up?"; "Yes" is a defeat.
    void GiveUp();
    void ShowMessageLine(const std::u16string& text) { view_.ShowMessageLine(text); }

protected:
    virtual void PlaceObstacles();
    virtual void PlaceSide(int side);
    virtual void VictorySummary();
    virtual std::u16string VictoryLine() const;
    virtual void Defeat();

    // Ends the battle: no more ticks or actions, the caller is told.
    void Finish(BattleOutcome outcome);

private:
    void StartRound();
    void BeginSide(int side);
    void EndSideTurn();
    // False when the battle ended or a new round began instead.
    bool EndCheck();
    void TurnRebels();
    void StartCountdown(bool passOn);
    void FinishAction();
    bool ComputerPlays() const;
    void RefreshStatus();
    std::u16string StatusLine(const Squad& squad) const;
    void ReportStrike(const std::string& format, const Squad& source, const Squad& target,
                      int killed);
    bool FoeAdjacent(const Squad& shooter) const;

    Hero& hero_;
    Ref<Army> enemy_;
    BattleView& view_;
    OutcomeHandler onEnd_;
    StrikeResolver strikes_;
    Battlefield field_;
    ComputerPlayer enemyPlayer_{*this, ComputerPlayer::Role::kEnemySide};
    ComputerPlayer rebelPlayer_{*this, ComputerPlayer::Role::kOutOfControl};
    BattleSpells spells_{*this};
    Ref<Squad> active_;
    int sideToAct_ = kHeroSide;
    int round_ = 0;
    int countdown_ = 0;
    bool passOnAfterAction_ = false;
    bool spellCast_ = false;
    bool finished_ = false;
};

}  // namespace cv
