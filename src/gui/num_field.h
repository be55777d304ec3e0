#pragma once

#include "gui/form.h"
#include "gui/label.h"
#include "gui/picture_button.h"

namespace cv {

// A number within a range, shown in a label between arrow buttons: "Left"
// lowers it by one, "Right" raises it by one, "End" sets the maximum.
// Focused, it takes the left and right keys, "select" (minimum), "start"
// (maximum) and typed digits; dragging the label sweeps the whole range in
// 100 pixels. Every change tells the parent "NumChanged" with the value.
class NumField : public Form {
public:
    NumField();

    // Left button, label, right button, end button, the buttons centred down.
    void setBounds(const Rect& bounds) override;
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;
    // "SetValue", "SetMinValue", "SetMaxValue" (number); "Button" from its
    // arrows; "StartDrag" and "OnDrag" from its label.
    bool onMessage(const Message& message) override;

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

private:
    Ref<PictureButton> makeArrow(const std::string& name);
    // Takes the new range and value; a change refreshes the parts and tells
    // the parent.
    void change(int64_t value, int minimum, int maximum);
    void changeValue(int64_t value) { change(value, minimum_, maximum_); }
    void refresh();
    bool onArrow(const GuiElement* arrow);
    void beginLabelDrag(int x);
    void dragLabelTo(int x);

    Ref<PictureButton> left_, end_, right_;
    Ref<DraggableLabel> label_;
    int value_ = 0, minimum_ = 0, maximum_ = 0;
    int dragOffset_ = 0;
};

}  // namespace cv
