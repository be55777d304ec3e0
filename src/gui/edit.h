#pragma once

#include "gui/gui_element.h"

namespace cv {

// A one-line text input. Typed characters are appended, character 8 and the
// Esc key take the last one away; each change tells the parent
// "ItemChanged". A tap inside it brings the focus to it.
class Edit : public GuiElement {
public:
    Edit();

    void paint() override;
    bool onPointer(const PointerEvent& event) override;
    bool onKey(int key, bool down) override;
    bool onChar(char16_t ch) override;

private:
    void changeText(const std::u16string& text);
};

}  // namespace cv
