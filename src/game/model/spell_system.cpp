#include "game/model/spell_system.h"

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "game/model/game_random.h"

namespace cv {
namespace {

// Indexes beyond this are a slip in the rules file, not a list to grow.
constexpr int kMaxSpellIndex = 63;

// How a kind takes its strength from the rules.
enum class ValueRule { kNotRead, kRequired, kOptional };

struct RegisteredKind {
    const char* id;
    ValueRule value;
};

// The kinds the game knows how to cast; the rules may name no others.
constexpr RegisteredKind kRegisteredKinds[] = {
    {"BridgeSpell", ValueRule::kNotRead},        {"TimeStopSpell", ValueRule::kRequired},
    {"FindVillainSpell", ValueRule::kNotRead},   {"TownGateSpell", ValueRule::kNotRead},
    {"CastleGateSpell", ValueRule::kNotRead},    {"InstantArmySpell", ValueRule::kNotRead},
    {"RaiseControlSpell", ValueRule::kOptional}, {"CloneSpell", ValueRule::kRequired},
    {"FireballSpell", ValueRule::kRequired},     {"LightningSpell", ValueRule::kRequired},
    {"FreezeSpell", ValueRule::kRequired},       {"TeleportSpell", ValueRule::kRequired},
    {"ResurrectSpell", ValueRule::kRequired},    {"TurnUndeadSpell", ValueRule::kRequired},
};

// Raise Control's strength is read for the rules' sake; its effect ignores it.
constexpr int kOptionalValue = 10;

const RegisteredKind* FindRegistered(const std::string& id) {
    for (const RegisteredKind& kind : kRegisteredKinds) {
        if (id == kind.id) return &kind;
    }
    return nullptr;
}

void ReadValue(const RegisteredKind& registered, Dispatcher* node, SpellKind& kind) {
    if (registered.value == ValueRule::kNotRead) return;
    int32_t value = kOptionalValue;
    Value* item = FindValue(node, "Value");
    if (!(item && item->GetInt(value)) && registered.value == ValueRule::kRequired) {
        FatalError("Expected Value in spell <%s>", kind.id.c_str());
    }
    kind.value = value;
}

}  // namespace

std::string CanonicalSpellId(const std::string& id) {
    return id == "LightingSpell" ? "LightningSpell" : id;
}

void SpellSystem::Clear() {
    combat_.clear();
    adventure_.clear();
    all_.clear();
    byId_.clear();
}

void SpellSystem::Load(Dispatcher* root) {
    Clear();
    Dispatcher* spells = GetNode("Spell System", root, "Spells");
    LoadList(GetNode("Spell System", spells, "Combat"), SpellList::kCombat);
    LoadList(GetNode("Spell System", spells, "Adventure"), SpellList::kAdventure);
}

void SpellSystem::LoadList(Dispatcher* node, SpellList list) {
    for (const auto& [name, item] : node->children()) {
        const RegisteredKind* registered = FindRegistered(name);
        if (!registered) FatalError("Invalid Spell ID=%s in CV.INI", name.c_str());
        const std::string requester = "Spell " + name;
        Dispatcher* definition = item->AsDispatcher();
        auto kind = MakeRef<SpellKind>();
        kind->id = name;
        kind->list = list;
        GetInt(requester, definition, "Index", kind->index);
        GetInt(requester, definition, "Cost", kind->cost);
        if (kind->index < 0 || kind->index > kMaxSpellIndex) {
            FatalError("Invalid index=%d of spell %s", kind->index, name.c_str());
        }
        ReadValue(*registered, definition, *kind);
        std::vector<Ref<SpellKind>>& slots = Slots(list);
        if (static_cast<int>(slots.size()) <= kind->index) slots.resize(kind->index + 1);
        slots[kind->index] = kind;
        all_.push_back(kind);
        byId_[name] = kind;
        if (name == "LightningSpell") byId_["LightingSpell"] = kind;
    }
}

const SpellKind* SpellSystem::FindSpell(const std::string& id) const {
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second.get();
}

const SpellKind& SpellSystem::SpellById(const std::string& id) const {
    const SpellKind* kind = FindSpell(id);
    if (!kind) FatalError("Invalid spell id=%s", id.c_str());
    return *kind;
}

int SpellSystem::Count(SpellList list) const {
    return static_cast<int>(Slots(list).size());
}

const SpellKind* SpellSystem::SpellAt(SpellList list, int index) const {
    const std::vector<Ref<SpellKind>>& slots = Slots(list);
    if (index < 0 || index >= static_cast<int>(slots.size())) return nullptr;
    return slots[index].get();
}

int SpellSystem::IndexAmongAll(const SpellKind& kind) const {
    for (size_t i = 0; i < all_.size(); ++i) {
        if (all_[i].get() == &kind) return static_cast<int>(i);
    }
    return -1;
}

const SpellKind* SpellSystem::RandomSpell() const {
    if (all_.empty()) return nullptr;
    return all_[RandN(static_cast<int>(all_.size()))].get();
}

SpellSystem& Spells() {
    static SpellSystem spells;
    return spells;
}

}  // namespace cv
