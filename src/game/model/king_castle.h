#pragma once

#include <array>
#include <string>

#include "game/model/hero.h"

namespace cv {

// The King's audience: asks for more villains, reminds of the sceptre, or
// promotes the hero by one level (a surplus of villains carries over).
std::u16string KingAudience(Hero& hero);

// The five rows of the King's recruiting: "Militia", "Archers", "Pikemen"
// from level 0, "Cavalry" from level 1, "Knights" from level 2.
struct KingRecruitRow {
    std::string unitId;
    int minLevel = 0;
    bool available = false;  // the hero's level allows it
    int limit = 0;           // more units the hero's leadership allows
};
constexpr int kKingRecruitRows = 5;
using KingRecruitCounts = std::array<int, kKingRecruitRows>;

std::array<KingRecruitRow, kKingRecruitRows> KingRecruitRows(const Hero& hero);

// The most row `row` may take while the other rows keep their counts: its
// limit, the gold the others leave, and a free slot for a unit not yet in
// the army.
int KingRecruitMax(const Hero& hero, const KingRecruitCounts& counts, int row);

// "Recruit": merges every row with a count above 0 into the army and takes the
// cost from the gold. A count beyond what the rules allow, given the rows
// before it, is cut to it.
void KingRecruit(Hero& hero, const KingRecruitCounts& wanted);

}  // namespace cv
