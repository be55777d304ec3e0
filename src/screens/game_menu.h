#pragma once

#include "screens/screen_widgets.h"

namespace cv {

// The in-game menu, form "Menu": "Title", then the buttons "NewContinent"
// (only while sailing), "WeekEnd", "PuzzleMap", "Search", "Language",
// "Save", "Load", "Quit" and "Cancel". "Quit" asks first and leaves the menu
// open when the answer is "No".
class GameMenuDialog : public ScreenDialog {
public:
    void onLoaded() override;
    bool onMessage(const Message& message) override;
};

}  // namespace cv
