#pragma once

#include "game/model/hero.h"
#include "screens/dialog_host.h"
#include "screens/screen_widgets.h"

namespace cv {

// The running game's hero, form "HeroStatus": the portrait "Hero", the rank
// "Title", the rows "SField<i>" / "Field<i>" (name, leadership, commission,
// gold, spell power, max spells, villains caught, artifacts found, castles
// garrisoned, followers killed, current score) and one slot "Slot<i>" per
// artifact of the rules, showing it once found. "Header" or Esc closes it.
class HeroStatusDialog : public ScreenDialog {
public:
    static constexpr int kRows = 11;
    static constexpr int kSlots = 8;

    explicit HeroStatusDialog(Ref<Hero> hero) : hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;
    bool onKey(int key, bool down) override;

private:
    void showArtifacts();

    Ref<Hero> hero_;
};

// Opens the hero's information over `host`.
void ShowHeroStatus(DialogHost& host, Ref<Hero> hero);

}  // namespace cv
