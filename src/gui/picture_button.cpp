#include "gui/picture_button.h"

namespace cv {

void PictureButton::setPicture(int state, Ref<Sprite> picture) {
    if (state < 0 || state >= static_cast<int>(pictures_.size())) return;
    pictures_[state] = std::move(picture);
    requestRedraw();
}

Sprite* PictureButton::shownPicture() const {
    const int state = shownState();
    Sprite* picture = pictures_[state].get();
    if (!picture && state == kGrey) picture = pictures_[kNormal].get();
    if (!picture && state == kPressed) picture = pictures_[kSelected].get();
    return picture;
}

void PictureButton::paint() {
    Sprite* picture = shownPicture();
    if (!picture) return;
    const Point at = origin_ == Point{} ? Point{bounds().x, bounds().y} : origin_;
    picture->draw(at, kDrawPlain);
}

}  // namespace cv
