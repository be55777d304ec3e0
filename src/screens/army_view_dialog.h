#pragma once

#include "game/model/hero.h"
#include "screens/dialog_host.h"
#include "screens/screen_widgets.h"

namespace cv {

// The hero's army, form "ArmyView": per slot n (1..5) the ground "UnitBk"n,
// the squad's animation "UnitAnim"n, "Count"n, "Name"n, the panel "InfoBk"n
// in its source's colour with "SL"n, "MV"n, "Morale"n, "Hit"n, "Dmg"n and
// "Cost"n, and the dismiss button "Dism"n; "Header" closes it, as Esc does.
// Squads can be dismissed only in a view opened for it, and never the last.
class ArmyViewDialog : public ScreenDialog {
public:
    static constexpr int kSlots = Army::kSlots;

    ArmyViewDialog(Ref<Hero> hero, bool dismissal)
        : hero_(std::move(hero)), dismissal_(dismissal) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;
    bool onKey(int key, bool down) override;

private:
    void showSlot(int slot);
    void showSquad(int slot, const Squad& squad);
    void askDismiss(int slot);

    Ref<Hero> hero_;
    bool dismissal_;
};

// Opens the army view over `host`; `dismissal` lets the player send squads home.
void ShowArmyView(DialogHost& host, Ref<Hero> hero, bool dismissal);

}  // namespace cv
