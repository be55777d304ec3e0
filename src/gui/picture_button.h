#pragma once

#include <array>

#include "gui/button.h"

namespace cv {

// A button drawn from one picture per visual state (normal, selected, grey,
// pressed). A missing grey picture falls back to the normal one, a missing
// pressed picture to the selected one.
class PictureButton : public Button {
public:
    void paint() override;

    void setPicture(int state, Ref<Sprite> picture);
    // The picture shown now, after the fallbacks; null when there is none.
    Sprite* shownPicture() const;
    // Where the picture goes; (0, 0) means the bounds' top left corner.
    void setOrigin(Point origin) { origin_ = origin; }
    Point origin() const { return origin_; }

private:
    std::array<Ref<Sprite>, 4> pictures_;
    Point origin_;
};

}  // namespace cv
