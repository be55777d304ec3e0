#include "gui/image_widget.h"

#include "gfx/image_cache.h"
#include "gui/gui_message.h"

namespace cv {

void Image::paint() {
    if (picture_) picture_->draw({bounds().x, bounds().y}, kDrawPlain);
}

bool Image::onMessage(const Message& message) {
    if (message.name != "SetImage") return false;
    setPicture(message.text.empty() ? nullptr : getImage(message.text));
    return true;
}

void Image::setPicture(Ref<Sprite> picture) {
    picture_ = std::move(picture);
    requestRedraw();
}

}  // namespace cv
