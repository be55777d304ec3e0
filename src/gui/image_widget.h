#pragma once

#include "gfx/sprite.h"
#include "gui/gui_element.h"

namespace cv {

// A picture drawn at the top left corner of its bounds.
class Image : public GuiElement {
public:
    void paint() override;
    // "SetImage" with a picture name; an empty name removes the picture.
    bool onMessage(const Message& message) override;

    void setPicture(Ref<Sprite> picture);
    const Sprite* picture() const { return picture_.get(); }

private:
    Ref<Sprite> picture_;
};

}  // namespace cv
