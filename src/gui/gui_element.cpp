#include "gui/gui_element.h"

#include "app/app_globals.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"

namespace cv {
namespace {

constexpr ColorSet kFactoryColors = {0xFFC0C0C0, 0xFFFFFFFF, 0xFF808080, 0xFFFFFF00, 0x00000000};

}  // namespace

ColorSet& DefaultColors() {
    static ColorSet colors = kFactoryColors;
    return colors;
}

void ResetDefaultColors() {
    DefaultColors() = kFactoryColors;
}

void requestRedraw() {
    RedrawRequested() = true;
}

bool UsePaintColor(uint32_t colour) {
    IPainter* painter = CurrentPainter();
    if (!painter) return false;
    painter->setColor(colour);
    return true;
}

GuiElement::GuiElement() : colors_(DefaultColors()) {}

GuiElement::~GuiElement() = default;

void GuiElement::setName(const std::string& name) {
    name_ = name;
}

void GuiElement::setText(const std::u16string& text) {
    if (text == text_) return;
    text_ = text;
    requestRedraw();
}

bool GuiElement::contains(Point p) const {
    return bounds_.x <= p.x && p.x < bounds_.x + bounds_.width && bounds_.y <= p.y &&
           p.y < bounds_.y + bounds_.height;
}

void GuiElement::setBounds(const Rect& bounds) {
    bounds_ = bounds;
}

GuiElement* GuiElement::hitTest(Point point) {
    return contains(point) ? this : nullptr;
}

void GuiElement::setEnabled(bool enabled) {
    changeFlag(kDisabled, !enabled);
}

void GuiElement::setVisible(bool visible) {
    changeFlag(kHidden, !visible);
}

void GuiElement::setFocus(bool focus) {
    if (focus && !canTakeFocus()) return;
    changeFlag(kFocused, focus);
}

bool GuiElement::onPointer(const PointerEvent&) {
    return false;
}
bool GuiElement::onKey(int, bool) {
    return false;
}
bool GuiElement::onChar(char16_t) {
    return false;
}
bool GuiElement::onMessage(const Message&) {
    return false;
}
bool GuiElement::startDrag(DragRecord&) {
    return false;
}
bool GuiElement::dragMove(DragRecord&) {
    return true;
}
void GuiElement::endDrag(DragRecord&) {}

void GuiElement::setTabStop(bool on) {
    if (on) {
        flags_ |= kTabStop;
    } else {
        flags_ &= ~kTabStop;
    }
}

Font* GuiElement::font() const {
    return font_ ? font_.get() : FindFont("Default");
}

void GuiElement::changeFlag(uint32_t flag, bool on) {
    const uint32_t before = flags_;
    if (on) {
        flags_ |= flag;
    } else {
        flags_ &= ~flag;
    }
    if (flags_ != before) requestRedraw();
}

}  // namespace cv
