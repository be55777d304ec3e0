#pragma once

#include <functional>
#include <string>

#include "game/model/army.h"
#include "game/model/cell.h"

namespace cv {

class Battle;

// What an armed combat spell waits for.
enum class SpellTarget { kNone, kOwnSquad, kEnemySquad, kAnySquad, kLocation, kEnemyUndead };

// The hero's combat spells in one battle, one a round: the list, arming a
// spell with its prompt, and casting it on the cell the player picks once
// the spell's checks pass. Only while the player may act.
class BattleSpells {
public:
    using ArmHandler = std::function<void(const std::string& spellId)>;
    explicit BattleSpells(Battle& battle) : battle_(battle) {}

    // "Only 1 spell per round" once one was cast this round, else the
    // "CombatSpells" screen; its answer, a spell id, goes to `arm`.
    void OpenList(ArmHandler arm);
    // Shows the spell's prompt and waits for its target. False when the hero
    // owns none, it is no combat spell, one was cast this round, or Turn
    // Undead finds no undead enemy ("No undead armies").
    bool Arm(const std::string& spellId);
    void Cancel();
    bool armed() const { return target_ != SpellTarget::kNone; }
    SpellTarget target() const { return target_; }

    // The armed spell would be cast on the cell.
    bool Accepts(Cell cell) const;
    // Casts the armed spell there when the cell passes its checks; a squad
    // the spell cannot touch gets its message, and the spell stays armed.
    void CastAt(Cell cell);

private:
    enum class Effect { kTeleport, kClone, kDamage, kFreeze, kResurrect };
    struct Rule;
    static const Rule* RuleFor(const std::string& spellId);

    bool Fits(const Squad& squad) const;
    // The message that refuses the squad, or null when the spell may touch it.
    const char* Refusal(const Squad& squad) const;
    void Prompt(const char* text);
    void Apply(const Ref<Squad>& squad);
    std::u16string Teleport(Cell cell);
    std::u16string Clone(Squad& squad, int strength);
    std::u16string Damage(Squad& squad, int strength);
    std::u16string Freeze(const Squad& squad);
    std::u16string Resurrect(Squad& squad);
    void Done(const std::u16string& message);

    Battle& battle_;
    const Rule* rule_ = nullptr;
    int value_ = 0;  // the armed kind's strength
    SpellTarget target_ = SpellTarget::kNone;
    Ref<Squad> teleported_;  // chosen by the first of Teleport's two steps
};

}  // namespace cv
