#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/model/hero.h"
#include "game/model/int_math.h"

namespace cv {
namespace {

// A class has at most the levels one digit can name.
constexpr int kHighestLevel = 9;

Dispatcher* RequireNode(const std::string& path) {
    Dispatcher* node = FindNode(Root(), path);
    if (!node) FatalError("Path not found: %s", path.c_str());
    return node;
}

int IntOr(Dispatcher* node, const std::string& key, int fallback) {
    int32_t v = fallback;
    if (Value* value = FindValue(node, key)) value->GetInt(v);
    return v;
}

bool StringAt(Dispatcher* node, const std::string& key, std::string& out) {
    Value* value = FindValue(node, key);
    return value && value->GetString(out);
}

}  // namespace

void Hero::Create(const std::string& classId, std::u16string name, int sex, int difficulty) {
    *this = Hero();
    classId_ = classId;
    name_ = std::move(name);
    sex_ = sex & 0xF;
    difficulty_ = difficulty;
    Dispatcher* classNode = RequireNode("StartHero." + classId);
    gold_ = IntOr(classNode, "Gold", 0);
    canUseSpells_ = IntOr(classNode, "CanUseSpell", 0) != 0;
    std::string army;
    if (StringAt(classNode, "Army", army)) army_->Parse(army);
    maxLevel_ = -1;
    while (maxLevel_ < kHighestLevel &&
           FindNode(classNode, "Level" + std::to_string(maxLevel_ + 1))) {
        ++maxLevel_;
    }
    Dispatcher* common = RequireNode("StartHero");
    GetInt("StartHero", common, "X0", start_.x);
    GetInt("StartHero", common, "Y0", start_.y);
    boatRent_ = IntOr(common, "BoatRent", 500);
    castleCommission_ = IntOr(common, "CastleCommission", 250);
    MoveTo(0, start_);
    ApplyLevel(0, 0);
    initialLeadership_ = leadership_;
}

void Hero::ApplyLevel(int level, int villainsCounted) {
    const std::string path = "StartHero." + classId_ + ".Level" + std::to_string(level);
    if (level < 0 || level > kHighestLevel) FatalError("Path not found: %s", path.c_str());
    Dispatcher* node = RequireNode(path);
    level_ = level;
    StringAt(node, "Title", title_);
    int leadership = IntOr(node, "Leadership", 0);
    AddLeadership(ClampToInt(int64_t{leadership} * (OwnsArtifact("A3") ? 2 : 1)));
    AddCommission(IntOr(node, "Commission", 0));
    AddSpellPower(IntOr(node, "Spell_Power", 0));
    AddMaxSpells(IntOr(node, "Max_Spells", 0));
    villainsNeeded_ = ClampToInt(int64_t{IntOr(node, "Villains", 0)} - villainsCounted);
    StringAt(node, "InstantArmy", instantArmyUnit_);
}

}  // namespace cv
