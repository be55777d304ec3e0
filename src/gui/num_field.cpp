#include "gui/num_field.h"

#include <algorithm>

#include "gfx/image_cache.h"
#include "gui/gui_keys.h"

namespace cv {
namespace {

constexpr int kDragSweep = 100;  // pixels for the whole range

std::u16string DecimalText(int value) {
    std::u16string text;
    for (char c : std::to_string(value)) text += static_cast<char16_t>(c);
    return text;
}

}  // namespace

NumField::NumField() {
    left_ = makeArrow("Left");
    label_ = MakeRef<DraggableLabel>();
    right_ = makeArrow("Right");
    end_ = makeArrow("End");
    addChild(left_);
    addChild(label_);
    addChild(right_);
    addChild(end_);
    label_->onMessage(Message{"SetJustify", "CC", 0, nullptr});
    refresh();
}

Ref<PictureButton> NumField::makeArrow(const std::string& name) {
    Ref<PictureButton> arrow = MakeRef<PictureButton>();
    arrow->setName(name);
    const char* const suffixes[] = {"Norm", "Hi", "Gr", "Pr"};
    for (int state = 0; state < 4; ++state) {
        arrow->setPicture(state, getImage("Img\\STDGUI\\" + name + suffixes[state]));
    }
    const Size size = arrow->shownPicture()->getSize();
    arrow->setBounds({0, 0, size.width, size.height});
    return arrow;
}

void NumField::setBounds(const Rect& b) {
    Form::setBounds(b);
    auto place = [&b](PictureButton& arrow, int x) {
        const Rect& r = arrow.bounds();
        arrow.setBounds({x, b.y + (b.height - r.height) / 2, r.width, r.height});
    };
    place(*left_, b.x);
    place(*end_, b.x + b.width - end_->bounds().width);
    place(*right_, end_->bounds().x - right_->bounds().width);
    const int labelLeft = b.x + left_->bounds().width;
    label_->setBounds({labelLeft, b.y, right_->bounds().x - labelLeft, b.height});
}

bool NumField::onKey(int key, bool down) {
    if (!down || !hasFocus()) return Form::onKey(key, down);
    if (isGuiKey(kRoleLeft, key)) {
        if (value_ > minimum_) changeValue(int64_t{value_} - 1);
    } else if (isGuiKey(kRoleRight, key)) {
        if (value_ < maximum_) changeValue(int64_t{value_} + 1);
    } else if (isGuiKey(kRoleSelect, key)) {
        changeValue(minimum_);
    } else if (isGuiKey(kRoleStart, key)) {
        changeValue(maximum_);
    } else {
        return Form::onKey(key, down);
    }
    return true;
}

bool NumField::onChar(char16_t ch) {
    if (!hasFocus() || ch < u'0' || ch > u'9') return Form::onChar(ch);
    const int64_t typed = int64_t{value_} * 10 + (ch - u'0');
    if (typed >= minimum_ && typed <= maximum_) changeValue(typed);
    return true;
}

bool NumField::onMessage(const Message& message) {
    const std::string& name = message.name;
    if (name == "SetValue") {
        changeValue(message.number);
    } else if (name == "SetMinValue") {
        change(value_, message.number, maximum_);
    } else if (name == "SetMaxValue") {
        change(value_, minimum_, message.number);
    } else if (name == "Button") {
        return onArrow(message.sender.get());
    } else if (name == "StartDrag") {
        beginLabelDrag(message.number);
    } else if (name == "OnDrag") {
        dragLabelTo(message.number);
    } else {
        return Form::onMessage(message);
    }
    return true;
}

bool NumField::onArrow(const GuiElement* arrow) {
    if (arrow == left_.get()) {
        if (value_ > minimum_) changeValue(int64_t{value_} - 1);
    } else if (arrow == right_.get()) {
        if (value_ < maximum_) changeValue(int64_t{value_} + 1);
    } else if (arrow == end_.get()) {
        changeValue(maximum_);
    } else {
        return false;
    }
    return true;
}

void NumField::beginLabelDrag(int x) {
    const int64_t range = int64_t{maximum_} - minimum_;
    // An empty range has nothing to sweep: the value stays where it is.
    const int64_t along = range > 0 ? (int64_t{value_} - minimum_) * kDragSweep / range : 0;
    dragOffset_ = static_cast<int>(std::clamp<int64_t>(x - along, INT32_MIN, INT32_MAX));
}

void NumField::dragLabelTo(int x) {
    const int64_t range = int64_t{maximum_} - minimum_;
    // Past either end of the sweep the value stays at that end of the range.
    const int64_t along = std::clamp<int64_t>(int64_t{x} - dragOffset_, 0, kDragSweep);
    if (range >= 0) changeValue(minimum_ + range * along / kDragSweep);
}

void NumField::change(int64_t value, int minimum, int maximum) {
    const int clipped = static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    if (clipped == value_ && minimum == minimum_ && maximum == maximum_) return;
    value_ = clipped, minimum_ = minimum, maximum_ = maximum;
    refresh();
    requestRedraw();
    sendMessage(this, parent(), Message{"NumChanged", "", value_, nullptr});
}

void NumField::refresh() {
    label_->setText(DecimalText(value_));
    left_->setEnabled(value_ > minimum_);
    right_->setEnabled(value_ < maximum_);
    end_->setEnabled(value_ < maximum_);
}

}  // namespace cv
