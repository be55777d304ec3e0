#pragma once

#include "game/model/hero.h"
#include "game/world/castle.h"
#include "gui/form.h"

namespace cv {

// A page of the hero's castle: the castle's name "Castle", the question
// "Prompt", one button a squad "Item0".."Item4", "Switch" to the other page
// and "Exit", which the page leaves to the castle that shows it. The
// garrison page offers the hero's squads for their week's pay, with his gold
// in "GP" beside the coins "GoldInfo"; the remove page offers the garrison's
// squads back.
class CastlePage : public Form {
public:
    enum class Kind { kGarrison, kRemove };

    CastlePage(Kind kind, Ref<Castle> castle, Ref<Hero> hero)
        : kind_(kind), castle_(std::move(castle)), hero_(std::move(hero)) {}

    // The page of `kind`, read from its form.
    static Ref<CastlePage> Open(Kind kind, Ref<Castle> castle, Ref<Hero> hero);

    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    // The previous and next keys turn to the other page.
    bool onKey(int key, bool down) override;
    bool onMessage(const Message& message) override;

private:
    void showSquads();
    void moveSquad(int slot);
    void switchPage();

    Kind kind_;
    Ref<Castle> castle_;
    Ref<Hero> hero_;
};

}  // namespace cv
