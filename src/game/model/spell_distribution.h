#pragma once

#include <string>
#include <vector>

namespace cv {

// A town and the spell it sells.
struct TownSpell {
    std::string town;
    std::string spell;
};

// At a new game: while some spell kind is sold by no town, one town of the
// kind sold by the most towns (the first of equals; at least two of them)
// is picked at random and sells the first unsold kind instead. A spell no
// kind has is fatal "Invalid spell id=<%s> in town <%s>".
void DistributeSpells(std::vector<TownSpell>& towns);

}  // namespace cv
