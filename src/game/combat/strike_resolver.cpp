#include "game/combat/strike_resolver.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/fatal_error.h"
#include "game/model/game_random.h"
#include "game/model/int_math.h"

namespace cv {

StrikeResolver::StrikeResolver(Hero& hero, Ref<Army> enemy, std::string unitOfWeek,
                               const CombatSys& params, StrikeView* view)
    : hero_(hero),
      enemy_(std::move(enemy)),
      unitOfWeek_(std::move(unitOfWeek)),
      params_(params),
      view_(view) {}

void StrikeResolver::EnlistArmies() {
    for (const Army* army : {&hero_.army(), enemy_.get()}) {
        for (int i = 0; i < Army::kSlots; ++i) {
            if (Ref<Squad> squad = army->At(i)) Enlist(squad);
        }
    }
}

void StrikeResolver::Enlist(Ref<Squad> squad) {
    CombatSquadState state;
    state.startingCount = squad->count();
    state.shotsLeft = squad->kind().shots;
    state.movesLeft = squad->kind().moves;
    const Squad* key = squad.get();
    squads_[key] = {std::move(squad), state};
}

CombatSquadState& StrikeResolver::StateOf(const Squad& squad) {
    return const_cast<CombatSquadState&>(std::as_const(*this).StateOf(squad));
}

const CombatSquadState& StrikeResolver::StateOf(const Squad& squad) const {
    auto found = squads_.find(&squad);
    if (found == squads_.end()) FatalError("Not found SuqadDef for %s", squad.kind().id.c_str());
    return found->second.state;
}

bool StrikeResolver::InHeroControl(const Squad& squad) const {
    return IsHeroSquad(squad) && !IsOutOfControl(squad, hero_.EffectiveLeadership());
}

// Half of count times a rolled per-unit damage, 20 % per skill level of
// difference, rounded; in single precision like the handheld. Below zero
// (a skill gap beyond five levels) it counts as none.
int StrikeResolver::BaseDamage(const SquadDef& attacker, const SquadDef& defender, int count,
                               bool shot) const {
    const float r = RandomFraction();
    const int low = shot ? attacker.rangedMin : attacker.meleeMin;
    const int high = shot ? attacker.rangedMax : attacker.meleeMax;
    const float skill = 1.0f + 0.2f * static_cast<float>(attacker.skillLevel - defender.skillLevel);
    const float perUnit = static_cast<float>(low) + static_cast<float>(high - low) * r;
    const float damage = static_cast<float>(count) * perUnit * skill * 0.5f + 0.5f;
    if (!(damage > 0.0f)) return 0;
    if (damage >= static_cast<float>(std::numeric_limits<int32_t>::max())) return INT32_MAX;
    return static_cast<int>(damage);
}

int StrikeResolver::ScaledDamage(const Squad& attacker, int damage) const {
    if (attacker.kind().id == unitOfWeek_) damage = params_.ApplyGoodWeek(damage);
    if (InHeroControl(attacker)) {
        damage = MulDiv(damage, hero_.damageFactor().mul, hero_.damageFactor().div);
    }
    const int heroSlot = hero_.army().SlotOf(&attacker);
    const Army& side = heroSlot >= 0 ? hero_.army() : *enemy_;
    const int slot = heroSlot >= 0 ? heroSlot : enemy_->SlotOf(&attacker);
    return std::max(0,
                    params_.ApplyMorale(damage, MoraleOf(side, slot, hero_.EffectiveLeadership())));
}

int StrikeResolver::DefenderHitPoints(const Squad& defender) const {
    int hitPoints = defender.kind().hitPoints;
    if (InHeroControl(defender)) {
        hitPoints = MulDiv(hitPoints, hero_.hitPointFactor().mul, hero_.hitPointFactor().div);
    }
    return hitPoints;
}

int StrikeResolver::KillCount(int damage, int hitPoints, const Squad& defender) {
    CombatSquadState& state = StateOf(defender);
    hitPoints = std::max(hitPoints, 1);  // a unit without hit points dies of any blow
    const int64_t total = int64_t{damage} + state.wound;
    state.wound = static_cast<int>(total % hitPoints);
    return static_cast<int>(std::min<int64_t>(total / hitPoints, defender.count()));
}

void StrikeResolver::RecordKills(int count, const Squad& defender) {
    if (enemy_->SlotOf(&defender) < 0) {
        hero_.AddFollowersKilled(count);
        counters_.followersKilled = ClampToInt(int64_t{counters_.followersKilled} + count);
    } else {
        counters_.spoils = ClampToInt(counters_.spoils + int64_t{count} * defender.kind().spoils);
        counters_.enemiesKilled = ClampToInt(int64_t{counters_.enemiesKilled} + count);
    }
}

int StrikeResolver::SpellStrike(Squad& target, int damage) {
    const int killed = KillCount(damage, target.kind().hitPoints, target);
    target.AddCount(-killed);
    RecordKills(killed, target);
    if (view_) view_->PlayStrike(target);
    return killed;
}

void StrikeResolver::UncountFollowerKills(int n) {
    hero_.AddFollowersKilled(-n);
    counters_.followersKilled = ClampToInt(int64_t{counters_.followersKilled} - n);
}

int StrikeResolver::ResolveStrike(const AttackRecord& attack, bool /*retaliation*/, bool shot) {
    Squad& attacker = *attack.attacker;
    Squad& defender = *attack.defender;
    const int countBefore = defender.count();
    if (view_) view_->StrikeFrom(attacker, shot);
    if (attacker.kind().Has(kUnitHalf) && params_.HalfStrikes()) {
        const int half = defender.count() / 2;
        defender.AddCount(-half);
        RecordKills(half, defender);
        if (view_) view_->ShowHalf(defender);
    }
    int damage = BaseDamage(attacker.kind(), defender.kind(), attack.attackingCount, shot);
    damage = ScaledDamage(attacker, damage);
    const int killed = KillCount(damage, DefenderHitPoints(defender), defender);
    defender.AddCount(-killed);
    RecordKills(killed, defender);
    if (attacker.kind().Has(kUnitGhost)) attacker.AddCount(killed);
    if (attacker.kind().Has(kUnitVamp)) Resurrect(attacker, damage);
    if (view_) view_->PlayStrike(defender);
    return countBefore - defender.count();
}

// The damage a vampire deals heals it; health beyond its wound raises its
// dead, never above the count it started the battle with.
void StrikeResolver::Resurrect(Squad& vampire, int damage) {
    CombatSquadState& state = StateOf(vampire);
    const int64_t wound = int64_t{state.wound} - params_.VampireHeal(damage);
    if (wound >= 0) {
        state.wound = static_cast<int>(wound);
        return;
    }
    const int64_t excess = -wound;
    const int64_t perUnit =
        std::max<int64_t>(int64_t{vampire.kind().skillLevel} * vampire.kind().hitPoints, 1);
    int64_t raised = (excess + perUnit - 1) / perUnit;
    state.wound = excess % perUnit == 0 ? 0 : static_cast<int>(perUnit - excess % perUnit);
    if (vampire.count() + raised > state.startingCount) {
        raised = int64_t{state.startingCount} - vampire.count();
        state.wound = 0;
    }
    if (raised > 0) {
        vampire.AddCount(static_cast<int>(raised));
        if (view_) view_->MarkRedraw();
    }
}

int StrikeResolver::MeleeAttack(const Ref<Squad>& attacker, const Ref<Squad>& defender) {
    const int defenderCount = defender->count();
    const int losses = ResolveStrike({attacker, attacker->count(), defender}, false, false);
    StateOf(*attacker).movesLeft = 0;
    CombatSquadState& defence = StateOf(*defender);
    if (!defence.retaliated) {
        defence.retaliated = true;
        retaliation_ = AttackRecord{defender, defenderCount, attacker};
    }
    return losses;
}

int StrikeResolver::Shoot(const Ref<Squad>& shooter, const Ref<Squad>& target) {
    CombatSquadState& state = StateOf(*shooter);
    state.movesLeft = 0;
    --state.shotsLeft;
    return ResolveStrike({shooter, shooter->count(), target}, false, true);
}

int StrikeResolver::ResolveRetaliation() {
    if (!retaliation_) return 0;
    AttackRecord attack = std::move(*retaliation_);
    retaliation_.reset();
    return ResolveStrike(attack, true, false);
}

void StrikeResolver::StartRound() {
    for (auto& [key, entry] : squads_) {
        entry.state.retaliated = false;
        entry.state.movesLeft = entry.squad->kind().moves;
        entry.state.deferredMoves = 0;
        entry.state.flew = false;
        entry.state.frozen = false;
        if (entry.squad->kind().Has(kUnitHitsRegenerate)) entry.state.wound = 0;
    }
}

}  // namespace cv
