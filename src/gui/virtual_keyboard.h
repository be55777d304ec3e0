#pragma once

#include <optional>
#include <vector>

#include "core/stream.h"
#include "gui/form.h"
#include "gui/keyboard_reader.h"
#include "gui/picture_button.h"

namespace cv {

// The on-screen keyboard: one partition of keys shown at a time, and a
// "Close" button. Character keys type into the focused widget of the
// outermost form. Keys alone can work it: the direction keys walk its keys,
// select or start press the one that has the focus, Esc closes it.
class VirtualKeyboard : public Form {
public:
    // Reads the definition (usually "VKbd\Std.txt"), lays out every
    // partition and shows the first in its default mode.
    void load(Stream& stream);
    // Centred across the screen, at its top or its bottom.
    void place(bool atBottom);
    void setBounds(const Rect& bounds) override;
    // "Button" from its "Close" (its parent removes it), "ChangeVKbdMode"
    // (text = mode name) and "SwitchLayer".
    bool onMessage(const Message& message) override;
    bool onKey(int key, bool down) override;
    bool navigate(int key) override;
    void drawBackground() override;

    void showPartition(size_t index);
    size_t shownPartition() const { return shown_; }
    const std::vector<KeyboardPartition>& partitions() const { return partitions_; }
    const PictureButton* closeButton() const { return close_.get(); }

private:
    void setMode(const std::string& mode);
    void close();
    std::vector<GuiElement*> focusableKeys() const;
    void placeKeys();

    std::vector<KeyboardPartition> partitions_;
    size_t shown_ = 0;
    Ref<PictureButton> close_;
    std::optional<bool> placedAtBottom_;
};

}  // namespace cv
