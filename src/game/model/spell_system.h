#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/dispatcher.h"
#include "core/ref_counted.h"

namespace cv {

enum class SpellList { kCombat, kAdventure };

// One kind of spell as the rules price it. Kinds are rebuilt on each load, so
// holders keep them by reference.
struct SpellKind : RefCounted {
    std::string id;
    SpellList list = SpellList::kCombat;
    int index = 0;  // in its list
    int cost = 0;   // gold per spell
    int value = 0;  // strength, scaled by the hero's spell power
};

// The spell kinds the game can cast, read once from the rules' "Spells".
class SpellSystem {
public:
    // "Combat" then "Adventure": every child must be a kind the game knows
    // (fatal "Invalid Spell ID=%s in CV.INI"), with "Index" and "Cost"; a
    // kind whose strength matters without "Value" is fatal "Expected Value in
    // spell <%s>".
    void Load(Dispatcher* root);
    void Clear();

    // Fatal "Invalid spell id=%s" when unknown; "LightingSpell" names lightning.
    const SpellKind& SpellById(const std::string& id) const;
    const SpellKind* FindSpell(const std::string& id) const;
    // Slots the rules skip are empty (null).
    int Count(SpellList list) const;
    const SpellKind* SpellAt(SpellList list, int index) const;
    // Every kind in the order read: combat first, then adventure.
    const std::vector<Ref<SpellKind>>& all() const { return all_; }
    int IndexAmongAll(const SpellKind& kind) const;
    // Any kind, each as likely; none before the rules are loaded.
    const SpellKind* RandomSpell() const;

private:
    void LoadList(Dispatcher* node, SpellList list);
    std::vector<Ref<SpellKind>>& Slots(SpellList list) {
        return list == SpellList::kCombat ? combat_ : adventure_;
    }
    const std::vector<Ref<SpellKind>>& Slots(SpellList list) const {
        return list == SpellList::kCombat ? combat_ : adventure_;
    }

    std::vector<Ref<SpellKind>> combat_;
    std::vector<Ref<SpellKind>> adventure_;
    std::vector<Ref<SpellKind>> all_;
    std::map<std::string, Ref<SpellKind>> byId_;
};

// The game's spell kinds.
SpellSystem& Spells();

// The id a kind is known by: old saves and towns spell lightning "LightingSpell".
std::string CanonicalSpellId(const std::string& id);

}  // namespace cv
