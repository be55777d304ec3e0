#pragma once

#include "game/model/hero.h"
#include "screens/dialog_host.h"
#include "screens/screen_widgets.h"

namespace cv {

// What a hero of the chosen class starts with, form "HeroInfo": the class as
// "Title", its portrait "Hero", the rows "SField<i>" / "Field<i>" (rank,
// gold, leadership, commission, spell power) and the army rows "Army<i>" /
// "NArmy<i>". Any button closes it.
class HeroInfoDialog : public ScreenDialog {
public:
    static constexpr int kFields = 5;

    void onLoaded() override;
    bool onMessage(const Message& message) override;

private:
    void showArmy(const Army& army);
};

// Opens the hero information for the new-game choices over `host`.
void ShowHeroInfo(DialogHost& host);

}  // namespace cv
