#include "game/model/hero.h"

#include <algorithm>
#include <cctype>

#include "core/dispatcher_access.h"
#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/model/int_math.h"
#include "game/model/spell_system.h"

namespace cv {
namespace {

int Added(int value, int n) {
    return ClampToInt(int64_t{value} + n);
}

// The digits right after the first `sign` of `action`; none, or 0, count as 1.
int NumberAfter(const std::string& action, char sign) {
    size_t at = action.find(sign);
    if (at == std::string::npos) return 1;
    int64_t n = 0;
    for (size_t i = at + 1;
         i < action.size() && std::isdigit(static_cast<unsigned char>(action[i])); ++i) {
        n = std::min<int64_t>(n * 10 + (action[i] - '0'), INT32_MAX);
    }
    return n == 0 ? 1 : static_cast<int>(n);
}

void Scale(Factor& factor, const std::string& action) {
    factor.mul = ClampToInt(int64_t{factor.mul} * NumberAfter(action, '*'));
    factor.div = ClampToInt(int64_t{factor.div} * NumberAfter(action, '/'));
}

int IntOr(Dispatcher* node, const std::string& path, int fallback) {
    int32_t v = fallback;
    if (Value* value = FindValue(node, path)) value->GetInt(v);
    return v;
}

}  // namespace

Hero::Hero() : army_(MakeRef<Army>()) {}

std::u16string Hero::NameWithTitle() const {
    std::u16string text = GetText("<NAME> the <TITLE>");
    ReplacePlaceholder(text, u"<NAME>", name_);
    ReplacePlaceholder(text, u"<TITLE>", GetText(title_));
    return text;
}

int Hero::EffectiveLeadership() const {
    return Added(leadership_, leadershipBonus_);
}
void Hero::AddLeadership(int n) {
    leadership_ = Added(leadership_, n);
}
void Hero::AddLeadershipBonus(int n) {
    leadershipBonus_ = Added(leadershipBonus_, n);
}
void Hero::AddGold(int n) {
    gold_ = Added(gold_, n);
}
void Hero::AddCommission(int n) {
    commission_ = Added(commission_, n);
}
void Hero::AddSpellPower(int n) {
    spellPower_ = Added(spellPower_, n);
}
void Hero::AddMaxSpells(int n) {
    maxSpells_ = Added(maxSpells_, n);
}
void Hero::AddFollowersKilled(int n) {
    followersKilled_ = Added(followersKilled_, n);
}

int Hero::SpellBuyable(const std::string& id) const {
    if (!canUseSpells_) return 0;
    const int cost = Spells().SpellById(id).cost;
    const int room = maxSpells_ - spells_.Total();
    if (room <= 0 || cost <= 0) return 0;
    return std::max(0, std::min(room, gold_ / cost));
}

int Hero::WeeklyCommission() const {
    return ClampToInt(commission_ + int64_t{castleCommission_} * castlesGarrisoned_);
}

void Hero::CatchVillain(int villain) {
    villainsCaught_.push_back(villain);
    --villainsNeeded_;
    currentContract_ = -1;
}

void Hero::AddArtifact(const std::string& id) {
    artifacts_.push_back(id);
    RecomputeFactors();
}

bool Hero::OwnsArtifact(const std::string& id) const {
    return std::find(artifacts_.begin(), artifacts_.end(), id) != artifacts_.end();
}

void Hero::RecomputeFactors() {
    damageFactor_ = {};
    hitPointFactor_ = {};
    Dispatcher* definitions = FindNode(Root(), "Artifacts");
    for (const std::string& id : artifacts_) {
        std::string action;
        Value* value = FindValue(FindNode(definitions, id), "Action");
        if (!value || !value->GetString(action)) continue;
        if (action.rfind("Damage", 0) == 0) Scale(damageFactor_, action);
        if (action.rfind("HitPts", 0) == 0) Scale(hitPointFactor_, action);
    }
}

void Hero::MoveTo(int continent, Cell cell) {
    continent_ = continent;
    position_ = cell;
}

void Hero::FaceStep(int dx) {
    if (dx != 0) facingLeft_ = dx < 0;
}

bool Hero::CanFly() const {
    if (travelMode_ != TravelMode::kLand) return false;
    for (int i = 0; i < Army::kSlots; ++i) {
        Ref<Squad> squad = army_->At(i);
        if (squad && (!squad->kind().Has(kUnitFly) || squad->kind().skillLevel < 4)) return false;
    }
    return true;
}

void Hero::SetBit(uint16_t& set, int index) {
    if (index >= 0 && index < 16) set = static_cast<uint16_t>(set | (1u << index));
}

void Hero::SetSceptre(int continent, Cell cell) {
    sceptreContinent_ = continent;
    sceptreCell_ = cell;
}

int Hero::Score() const {
    Dispatcher* scores = FindNode(Root(), "Scores");
    if (!scores) return 0;
    int64_t raw =
        int64_t{IntOr(scores, "Artifact", 0)} * static_cast<int64_t>(artifacts_.size()) +
        int64_t{IntOr(scores, "Villain", 0)} * static_cast<int64_t>(villainsCaught_.size()) +
        int64_t{IntOr(scores, "Castle", 0)} * castlesGarrisoned_ +
        int64_t{IntOr(scores, "FollowersKilled", 0)} * followersKilled_;
    const std::string level = "HardLevels." + std::to_string(difficulty_) + ".";
    return MulDiv(ClampToInt(std::max<int64_t>(raw, 0)), IntOr(Root(), level + "ScoreMul", 1),
                  IntOr(Root(), level + "ScoreDiv", 1));
}

void Hero::Disgrace(std::function<void()> then) {
    hasSiegeWeapons_ = false;
    travelMode_ = TravelMode::kLand;
    MoveTo(0, start_);
    army_->Clear();
    army_->Parse("Peasants:20");
    Ui().ShowMessage({GetText("Disgraced"), {}, "Continue", {}, {}}, [then](const std::string&) {
        if (then) then();
    });
}

}  // namespace cv
