#pragma once

#include <string>
#include <vector>

#include "gui/gui_element.h"

namespace cv {

// Text wrapped to its width and placed as a block by a justification
// (default "CC").
class TextView : public GuiElement {
public:
    // Wraps the text again when the view has a size.
    void setText(const std::u16string& text) override;
    void paint() override;
    // "SetJustify" (text = code) and "AutoFormat" (wrap to the current width).
    bool onMessage(const Message& message) override;

    const std::vector<std::u16string>& lines() const { return lines_; }
    Size textSize() const { return textSize_; }

private:
    void format();

    std::vector<std::u16string> lines_;
    Size textSize_;
    std::string justification_ = "CC";
};

}  // namespace cv
