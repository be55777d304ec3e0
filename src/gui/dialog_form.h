#pragma once

#include "gui/form.h"

namespace cv {

// A form shown over others: pointer, key and character input end here
// whatever its children did. The usual dialog closes itself (its parent
// removes it) on an "esc" press that nothing handled.
class DialogForm : public Form {
public:
    explicit DialogForm(bool closesOnEsc = true) : closesOnEsc_(closesOnEsc) {}

    bool onPointer(const PointerEvent& event) override;
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;

private:
    bool closesOnEsc_;
};

}  // namespace cv
