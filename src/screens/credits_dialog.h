#pragma once

#include "screens/screen_widgets.h"

namespace cv {

// The credits, form "Cred": the game's makers in "Game", the sources of its
// art and fonts in "Art", both in the "Small" font; "Cancel" closes.
class CreditsDialog : public ScreenDialog {
public:
    void onLoaded() override;
    bool onMessage(const Message& message) override;
};

}  // namespace cv
