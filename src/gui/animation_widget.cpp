#include "gui/animation_widget.h"

#include "gui/gui_message.h"

namespace cv {

void AnimationWidget::setBounds(const Rect& bounds) {
    GuiElement::setBounds(bounds);
    if (animation_) animation_->setPosition({bounds.x, bounds.y});
}

void AnimationWidget::paint() {
    if (animation_) animation_->paint();
}

bool AnimationWidget::onMessage(const Message& message) {
    if (message.name == "SetAnimation") {
        show(createAnimation(message.text, message.number));
    } else if (message.name == "SetAnimationID") {
        show(createAnimationById(message.text));
    } else {
        return false;
    }
    return true;
}

void AnimationWidget::onTimer() {
    if (animation_) animation_->tick();
}

void AnimationWidget::show(Ref<Animation> animation) {
    animation_ = std::move(animation);
    if (animation_) animation_->setPosition({bounds().x, bounds().y});
    requestRedraw();
}

}  // namespace cv
