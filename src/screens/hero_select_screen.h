#pragma once

#include "screens/dialog_host.h"

namespace cv {

// The hero choice, form "SelectHero": "Status" asks for a hero, one button
// for each class ("Knight", "Paladin", "Sorceress", "Barbarian") chooses it
// and opens the new-game screen, "Exit" goes back to the title.
class SelectHeroForm : public DialogHost {
public:
    void onLoaded() override;
    bool onMessage(const Message& message) override;
    void refresh() override;
    // Captions follow a change of language made since the last showing.
    void Activate(bool active) override;
};

// The hero classes, in the order the screen shows them.
extern const char* const kHeroClasses[4];

// The one hero choice, read from its form file on first use.
SelectHeroForm& SelectHeroScreen();

}  // namespace cv
