#pragma once

#include "screens/screen_widgets.h"

namespace cv {

class BattleForm;

// The battle's menu, form "TacticsMenu": "GiveUp" asks "Give up?" and a
// "Yes" loses the battle; "Cancel" (or Esc) goes back to it.
class TacticsMenuDialog : public ScreenDialog {
public:
    explicit TacticsMenuDialog(BattleForm& battle) : battle_(battle) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;
    bool onKey(int key, bool down) override;

private:
    BattleForm& battle_;
};

// Opens the menu over the battle.
void ShowTacticsMenu(BattleForm& battle);

}  // namespace cv
