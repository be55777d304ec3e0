#pragma once

#include <string>
#include <vector>

#include "gui/gui_element.h"

namespace cv {

// A text that scrolls up by itself: wrapped to the widget's width, it rises
// kStep pixels every timer tick and, once its last line has left the top,
// comes up again from below the bottom. It starts centred down the widget.
// Only lines wholly inside are drawn, so nothing spills over the neighbours.
class TextAutoScroll : public GuiElement {
public:
    static constexpr int kStep = 2;  // pixels a tick

    // Wraps the text again and starts it over, when the widget has a size.
    void setText(const std::u16string& text) override;
    void setBounds(const Rect& bounds) override;
    void paint() override;
    void onTimer() override;
    // "SetJustify": the code's first letter places the lines across ("L",
    // "C", "R"); "AutoFormat" wraps again to the current width.
    bool onMessage(const Message& message) override;

    const std::vector<std::u16string>& lines() const { return lines_; }
    // Where the first line's top is now, from the widget's top; negative
    // once it has risen above it.
    int firstLineTop() const { return bounds().height - risen_; }

private:
    void format();
    int textHeight() const { return lineHeight_ * static_cast<int>(lines_.size()); }
    // From entering at the bottom to leaving at the top.
    int cycle() const { return bounds().height + textHeight(); }

    std::vector<std::u16string> lines_;
    int lineHeight_ = 0;
    int risen_ = 0;  // pixels above the bottom edge
    char across_ = 'C';
};

}  // namespace cv
