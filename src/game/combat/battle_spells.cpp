#include "game/combat/battle_spells.h"

#include <algorithm>

#include "core/language.h"
#include "game/combat/battle.h"
#include "game/model/int_math.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"

namespace cv {

struct BattleSpells::Rule {
    const char* id;
    const char* prompt;
    SpellTarget target;
    Effect effect;
};

namespace {

std::u16string UnitText(const std::string& format, const Squad& squad) {
    std::u16string text = GetText(format);
    ReplacePlaceholder(text, u"<UNIT>", GetText(squad.kind().id));
    return text;
}

// "<N> <UNIT> cloned" and the like.
std::u16string CountText(const std::string& format, int n, const Squad& squad) {
    std::u16string text = GetText(format);
    ReplacePlaceholder(text, u"<N>", n);
    ReplacePlaceholder(text, u"<UNIT>", GetText(squad.kind().id));
    return text;
}

}  // namespace

const BattleSpells::Rule* BattleSpells::RuleFor(const std::string& spellId) {
    static const Rule kRules[] = {
        {"TeleportSpell", "Select army to Teleport", SpellTarget::kAnySquad, Effect::kTeleport},
        {"CloneSpell", "Select your army to Clone", SpellTarget::kOwnSquad, Effect::kClone},
        {"FireballSpell", "Select enemy army to Fireball", SpellTarget::kEnemySquad,
         Effect::kDamage},
        {"LightningSpell", "Select enemy army to Lightning", SpellTarget::kEnemySquad,
         Effect::kDamage},
        {"TurnUndeadSpell", "Select enemy undead army", SpellTarget::kEnemyUndead, Effect::kDamage},
        {"ResurrectSpell", "Select your army to Resurrect", SpellTarget::kOwnSquad,
         Effect::kResurrect},
        {"FreezeSpell", "Select enemy army to Freeze", SpellTarget::kEnemySquad, Effect::kFreeze},
    };
    for (const Rule& rule : kRules) {
        if (spellId == rule.id) return &rule;
    }
    return nullptr;
}

void BattleSpells::OpenList(ArmHandler arm) {
    if (!battle_.PlayerMayAct()) return;
    if (battle_.spellCast()) {
        Ui().ShowMessage({GetText("Only 1 spell per round"), {}, "OK", {}, {}}, {});
        return;
    }
    Ui().OpenScreen("CombatSpells", [arm = std::move(arm)](const std::string& answer) {
        if (arm) arm(answer);
    });
}

bool BattleSpells::Arm(const std::string& spellId) {
    const SpellKind* kind = Spells().FindSpell(spellId);
    const Rule* rule = kind && kind->list == SpellList::kCombat ? RuleFor(kind->id) : nullptr;
    if (!rule || !battle_.PlayerMayAct() || battle_.spellCast() ||
        battle_.hero().spells().Count(kind->id) <= 0) {
        return false;
    }
    if (rule->target == SpellTarget::kEnemyUndead) {
        const auto enemies = battle_.SquadsOf(Battle::kEnemySide);
        if (std::none_of(enemies.begin(), enemies.end(),
                         [](const Ref<Squad>& squad) { return IsUndead(squad->kind()); })) {
            battle_.ShowMessageLine(GetText("No undead armies"));
            return false;
        }
    }
    rule_ = rule;
    value_ = kind->value;
    target_ = rule->target;
    teleported_ = nullptr;
    Prompt(rule->prompt);
    return true;
}

void BattleSpells::Cancel() {
    rule_ = nullptr;
    target_ = SpellTarget::kNone;
    teleported_ = nullptr;
}

void BattleSpells::Prompt(const char* text) {
    battle_.ShowMessageLine(GetText(text));
}

bool BattleSpells::Fits(const Squad& squad) const {
    const int side = battle_.SideOf(squad);
    switch (target_) {
        case SpellTarget::kOwnSquad:
            return side == Battle::kHeroSide;
        case SpellTarget::kEnemySquad:
            return side == Battle::kEnemySide || battle_.OutOfControl(squad);
        case SpellTarget::kAnySquad:
            return side >= 0;
        case SpellTarget::kEnemyUndead:
            return side == Battle::kEnemySide;
        default:
            return false;
    }
}

const char* BattleSpells::Refusal(const Squad& squad) const {
    if (squad.kind().Has(kUnitUnspell)) return "This spell seems to have no effect!";
    if (target_ == SpellTarget::kEnemyUndead && !IsUndead(squad.kind())) {
        return "It is no undead army";
    }
    return nullptr;
}

bool BattleSpells::Accepts(Cell cell) const {
    if (!armed() || !battle_.PlayerMayAct()) return false;
    const Ref<Squad> squad = battle_.SquadAt(cell);
    if (target_ == SpellTarget::kLocation) return !squad && battle_.field().IsPassable(cell);
    return squad && Fits(*squad) && !Refusal(*squad);
}

void BattleSpells::CastAt(Cell cell) {
    if (!armed() || !battle_.PlayerMayAct()) return;
    if (target_ == SpellTarget::kLocation) {
        if (Accepts(cell)) Done(Teleport(cell));
        return;
    }
    const Ref<Squad> squad = battle_.SquadAt(cell);
    if (!squad || !Fits(*squad)) return;
    if (const char* refusal = Refusal(*squad)) return battle_.ShowMessageLine(GetText(refusal));
    Apply(squad);
}

// Teleport's first step only picks the squad; the round's spell is spent
// once it has moved.
void BattleSpells::Apply(const Ref<Squad>& squad) {
    const int strength = ClampToInt(int64_t{battle_.hero().spellPower()} * value_);
    switch (rule_->effect) {
        case Effect::kTeleport:
            teleported_ = squad;
            target_ = SpellTarget::kLocation;
            return Prompt("Select new location");
        case Effect::kClone:
            return Done(Clone(*squad, strength));
        case Effect::kDamage:
            return Done(Damage(*squad, strength));
        case Effect::kFreeze:
            return Done(Freeze(*squad));
        case Effect::kResurrect:
            return Done(Resurrect(*squad));
    }
}

std::u16string BattleSpells::Teleport(Cell cell) {
    battle_.StateOf(*teleported_).cell = cell;
    return UnitText("<UNIT> teleported", *teleported_);
}

std::u16string BattleSpells::Clone(Squad& squad, int strength) {
    const int added = strength / std::max(squad.kind().hitPoints, 1);
    squad.AddCount(added);
    CombatSquadState& state = battle_.StateOf(squad);
    state.startingCount = ClampToInt(int64_t{state.startingCount} + added);
    return CountText("<N> <UNIT> cloned", added, squad);
}

// "Fireball kill <N> <UNITS>": the spell's name without "Spell".
std::u16string BattleSpells::Damage(Squad& squad, int strength) {
    const int killed = battle_.strikes().SpellStrike(squad, strength);
    const std::string id = rule_->id;
    std::u16string text = GetText(id.substr(0, id.size() - 5) + " kill <N> <UNITS>");
    ReplacePlaceholder(text, u"<N>", killed);
    ReplacePlaceholder(text, u"<UNITS>", GetText(squad.kind().id));
    return text;
}

std::u16string BattleSpells::Freeze(const Squad& squad) {
    battle_.StateOf(squad).frozen = true;
    return UnitText("<UNIT> are frozen", squad);
}

// Never above the count the squad started the battle with.
std::u16string BattleSpells::Resurrect(Squad& squad) {
    const int count = squad.count();
    const int64_t raised = std::min<int64_t>(int64_t{count} + battle_.hero().spellPower(),
                                             battle_.StateOf(squad).startingCount) -
                           count;
    const int n = raised > 0 ? static_cast<int>(raised) : 0;
    squad.AddCount(n);
    battle_.strikes().UncountFollowerKills(n);
    return CountText("<N> <UNIT> resurrected", n, squad);
}

void BattleSpells::Done(const std::u16string& message) {
    const bool damaging = rule_->effect == Effect::kDamage;
    battle_.hero().spells().Remove(rule_->id, 1);
    Ui().PlaySound(SoundEvent::SpellCast);
    Cancel();
    battle_.ShowMessageLine(message);
    battle_.AfterSpell(damaging);
}

}  // namespace cv
