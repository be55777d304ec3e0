#pragma once

#include "gfx/animation.h"
#include "gui/gui_element.h"

namespace cv {

// The "Animation" widget: an animation running at the top left corner of its
// bounds, one step a timer tick.
class AnimationWidget : public GuiElement {
public:
    void setBounds(const Rect& bounds) override;
    void paint() override;
    // "SetAnimation" (text = first frame picture, number = frame count) and
    // "SetAnimationID" (text = a name of the animation table; an unknown
    // name leaves no animation).
    bool onMessage(const Message& message) override;
    void onTimer() override;

    const Animation* animation() const { return animation_.get(); }

private:
    void show(Ref<Animation> animation);

    Ref<Animation> animation_;
};

}  // namespace cv
