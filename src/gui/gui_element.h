#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/pointer_target.h"
#include "core/ref_counted.h"
#include "gfx/font.h"
#include "gfx/geometry.h"

namespace cv {

class Form;
struct Message;
struct DragRecord;

enum ElementFlag : uint32_t { kDisabled = 1, kHidden = 2, kTabStop = 4, kFocused = 8 };

// Colour slots, indexed by visual state (a button's state picks its slot).
// Slot 4 has no form-file key; the virtual keyboard fills its panel with it.
enum ColorSlot : int {
    kColorNorm = 0,
    kColorSelect = 1,
    kColorGray = 2,
    kColorPressed = 3,
    kColorPanel = 4
};
constexpr int kColorSlots = 5;
using ColorSet = std::array<uint32_t, kColorSlots>;

// The set copied into every new element.
ColorSet& DefaultColors();
void ResetDefaultColors();

// Asks the main loop to repaint the active form.
void requestRedraw();

// What forms and widgets share: bounds, name, text, state flags, colours and
// the input and painting operations a container routes to them.
class GuiElement : public RefCounted {
public:
    GuiElement();
    ~GuiElement() override;

    virtual void setName(const std::string& name);
    // Requests a redraw only when the text changes.
    virtual void setText(const std::u16string& text);
    virtual bool contains(Point point) const;
    virtual void setBounds(const Rect& bounds);
    // Itself when it contains the point, else null.
    virtual GuiElement* hitTest(Point point);
    virtual void setEnabled(bool enabled);
    virtual void setVisible(bool visible);
    // Taking the focus needs a tab stop that is neither disabled nor hidden.
    virtual void setFocus(bool focus);
    virtual void paint() {}
    // Each returns true when the input was handled.
    virtual bool onPointer(const PointerEvent& event);
    virtual bool onKey(int key, bool down);
    virtual bool onChar(char16_t ch);
    virtual bool onMessage(const Message& message);
    virtual void onTimer() {}
    // True when the element takes the drag.
    virtual bool startDrag(DragRecord& drag);
    // False ends the drag.
    virtual bool dragMove(DragRecord& drag);
    virtual void endDrag(DragRecord& drag);
    // The mouse wheel over the element turned by whole notches (positive away
    // from the user); true when the element took it. None do by default.
    virtual bool onWheel(int /*notches*/) { return false; }

    const Rect& bounds() const { return bounds_; }
    const std::string& name() const { return name_; }
    const std::u16string& text() const { return text_; }
    Form* parent() const { return parent_; }
    // Kept by the container that holds the element.
    void setParent(Form* parent) { parent_ = parent; }

    uint32_t flags() const { return flags_; }
    bool isEnabled() const { return !(flags_ & kDisabled); }
    bool isVisible() const { return !(flags_ & kHidden); }
    bool hasFocus() const { return flags_ & kFocused; }
    bool canTakeFocus() const { return (flags_ & (kTabStop | kDisabled | kHidden)) == kTabStop; }
    void setTabStop(bool on);

    // The element's font, or the "Default" one (null when none is registered).
    Font* font() const;
    void setFont(Ref<Font> font) { font_ = std::move(font); }

    uint32_t color(int slot) const { return colors_[slot]; }
    void setColor(int slot, uint32_t colour) { colors_[slot] = colour; }
    const ColorSet& colors() const { return colors_; }
    void setColors(const ColorSet& colors) { colors_ = colors; }

protected:
    // Sets or clears a flag; a change requests a redraw.
    void changeFlag(uint32_t flag, bool on);

private:
    Rect bounds_;
    std::string name_;
    std::u16string text_;
    Form* parent_ = nullptr;
    uint32_t flags_ = 0;
    Ref<Font> font_;
    ColorSet colors_;
};

// Sets the current painter's colour; false outside a frame.
bool UsePaintColor(uint32_t colour);

}  // namespace cv
