#pragma once

#include <string>

#include "gui/gui_element.h"

namespace cv {

// Static text placed in its bounds by a justification ("LC": left, centred
// down); grey while disabled.
class Label : public GuiElement {
public:
    void paint() override;
    // "SetJustify" with the code as text.
    bool onMessage(const Message& message) override;

    const std::string& justification() const { return justification_; }

private:
    std::string justification_ = "LC";
};

// A label the stylus can drag: it tells its parent "StartDrag" and then
// "OnDrag" for each move, with the pointer's x as number.
class DraggableLabel : public Label {
public:
    bool startDrag(DragRecord& drag) override;
    bool dragMove(DragRecord& drag) override;
};

}  // namespace cv
