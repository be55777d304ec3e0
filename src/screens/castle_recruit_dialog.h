#pragma once

#include "game/model/hero.h"
#include "game/model/king_castle.h"
#include "screens/screen_widgets.h"

namespace cv {

// The King's recruiting, form "CastleRecruit": the heading "Title"; per row n
// (0 "Militia", 1 "Archers", 2 "Pikemen", 3 "Cavalry", 4 "Knights") the unit
// with how many more the leadership allows in "Name"n ("N/A" while the hero's
// level closes the row), its price in "Cost"n and the number to take in
// "Count"n, a number field hidden on a closed row; the gold left in "GP";
// "Recruit" takes them all and leaves, "Cancel" or Esc leave without.
class CastleRecruitDialog : public ScreenDialog {
public:
    explicit CastleRecruitDialog(Ref<Hero> hero) : hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

private:
    KingRecruitCounts chosen() const;
    // Each row's text and the most it may take beside the others' choices,
    // and the gold they leave; `changed` is the row the player just set.
    void showRows(int changed = -1);
    void showRow(int row, const KingRecruitRow& rules);

    Ref<Hero> hero_;
    bool showing_ = false;  // the fields' own changes while the rows are shown
};

}  // namespace cv
