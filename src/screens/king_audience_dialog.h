#pragma once

#include "game/model/hero.h"
#include "screens/screen_widgets.h"

namespace cv {

// The King on the castle's forms.
inline constexpr const char* kKingPicture = "Img\\King";

// An audience with the King, form "KingAudience": the heading "Title", the
// King's portrait "King", his words in "Text" and the button "Exit". The
// button reads "Continue" until the King has spoken (the audience itself:
// at most one promotion), then "Return", which leaves, as Esc does at any time.
class KingAudienceDialog : public ScreenDialog {
public:
    explicit KingAudienceDialog(Ref<Hero> hero) : hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

private:
    Ref<Hero> hero_;
    bool heard_ = false;
};

}  // namespace cv
