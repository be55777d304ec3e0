#include "game/model/spell_distribution.h"

#include <algorithm>

#include "core/fatal_error.h"
#include "game/model/game_random.h"
#include "game/model/spell_system.h"

namespace cv {
namespace {

using Groups = std::vector<std::vector<size_t>>;

// The towns of each kind, by the kind's place among all kinds.
Groups GroupByKind(const std::vector<TownSpell>& towns) {
    Groups groups(Spells().all().size());
    for (size_t i = 0; i < towns.size(); ++i) {
        const SpellKind* kind = Spells().FindSpell(towns[i].spell);
        if (!kind) {
            FatalError("Invalid spell id=<%s> in town <%s>", towns[i].spell.c_str(),
                       towns[i].town.c_str());
        }
        groups[Spells().IndexAmongAll(*kind)].push_back(i);
    }
    return groups;
}

}  // namespace

void DistributeSpells(std::vector<TownSpell>& towns) {
    Groups groups = GroupByKind(towns);
    auto unsold = [&] {
        return std::find_if(groups.begin(), groups.end(), [](const auto& g) { return g.empty(); });
    };
    for (auto empty = unsold(); empty != groups.end(); empty = unsold()) {
        auto largest =
            std::max_element(groups.begin(), groups.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
        if (largest->size() < 2) return;
        const auto moved = largest->begin() + RandN(static_cast<int>(largest->size()));
        empty->push_back(*moved);
        towns[*moved].spell = Spells().all()[empty - groups.begin()]->id;
        largest->erase(moved);
    }
}

}  // namespace cv
