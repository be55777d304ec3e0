#pragma once

#include <map>
#include <optional>
#include <string>

#include "game/combat/combat_sys.h"
#include "game/model/cell.h"
#include "game/model/hero.h"

namespace cv {

// What the battle keeps of each squad that takes part.
struct CombatSquadState {
    int startingCount = 0;  // caps a vampire's resurrection
    int wound = 0;          // damage the top unit has taken without dying
    bool retaliated = false;
    int movesLeft = 0;
    int shotsLeft = 0;
    Cell cell;              // on the battlefield
    int deferredMoves = 0;  // moves kept by waiting, given back when selected again
    bool flew = false;      // this round
    bool frozen = false;    // set by spells: the squad loses its next turn
};

// Counted over one battle.
struct BattleCounters {
    int spoils = 0;
    int followersKilled = 0;
    int enemiesKilled = 0;
};

// One strike: who strikes, with how many units, and whom.
struct AttackRecord {
    Ref<Squad> attacker;
    int attackingCount = 0;
    Ref<Squad> defender;
};

// What the battlefield shows of a strike.
class StrikeView {
public:
    virtual ~StrikeView() = default;
    virtual void ShowHalf(const Squad& target) = 0;
    // A blow begins, struck or shot (`shot`) by `attacker`; for the screens
    // that make it heard.
    virtual void StrikeFrom(const Squad& /*attacker*/, bool /*shot*/) {}
    virtual void PlayStrike(const Squad& target) = 0;
    virtual void MarkRedraw() = 0;
};

// The strike rules between the hero's army and one enemy army: damage,
// casualties and the carried wound, the "Half", "Ghost", "Vamp" and
// "HitsRegenerate" abilities, retaliation and what each kill is worth.
class StrikeResolver {
public:
    StrikeResolver(Hero& hero, Ref<Army> enemy, std::string unitOfWeek, const CombatSys& params,
                   StrikeView* view = nullptr);

    // Every squad of both armies as it stands now (its starting count).
    void EnlistArmies();
    void Enlist(Ref<Squad> squad);
    // Fatal "Not found SuqadDef for %s" for a squad the battle does not hold.
    CombatSquadState& StateOf(const Squad& squad);
    const CombatSquadState& StateOf(const Squad& squad) const;

    // The strike itself; returns the defender's losses ("Half" included).
    int ResolveStrike(const AttackRecord& attack, bool retaliation, bool shot);
    // Damage plus the carried wound over the hit points of one unit, at most
    // the defender's count; the rest stays as the wound.
    int KillCount(int damage, int hitPoints, const Squad& defender);
    void RecordKills(int count, const Squad& defender);
    // A spell's blow: the damage as given plus the carried wound against the
    // "Hit" of the target's kind, with no hero, morale or week factor; the
    // kills are recorded. Returns the target's losses.
    int SpellStrike(Squad& target, int damage);
    // Units raised again no longer count as followers killed, for the hero
    // and for this battle.
    void UncountFollowerKills(int n);

    // A melee attack: the strike, then a retaliation queued unless the
    // defender already struck back this round. Returns the defender's losses.
    int MeleeAttack(const Ref<Squad>& attacker, const Ref<Squad>& defender);
    // A shot: ranged damage, never answered.
    int Shoot(const Ref<Squad>& shooter, const Ref<Squad>& target);
    const std::optional<AttackRecord>& queuedRetaliation() const { return retaliation_; }
    // Resolves the queued retaliation (it never causes another) and returns
    // the losses of the squad that attacked; 0 when none is queued.
    int ResolveRetaliation();

    // A new round: moves back, waits, flights, frost and retaliations
    // cleared, regenerating squads healed.
    void StartRound();

    const BattleCounters& counters() const { return counters_; }

private:
    bool IsHeroSquad(const Squad& squad) const { return hero_.army().SlotOf(&squad) >= 0; }
    bool InHeroControl(const Squad& squad) const;
    int BaseDamage(const SquadDef& attacker, const SquadDef& defender, int count, bool shot) const;
    int ScaledDamage(const Squad& attacker, int damage) const;
    int DefenderHitPoints(const Squad& defender) const;
    void Resurrect(Squad& vampire, int damage);

    struct Entry {
        Ref<Squad> squad;
        CombatSquadState state;
    };
    Hero& hero_;
    Ref<Army> enemy_;
    std::string unitOfWeek_;
    const CombatSys& params_;
    StrikeView* view_;
    std::map<const Squad*, Entry> squads_;
    BattleCounters counters_;
    std::optional<AttackRecord> retaliation_;
};

}  // namespace cv
