#include "gui/keyboard_keys.h"

#include <algorithm>

#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gui/form.h"
#include "gui/pointer_routing.h"
#include "gui/virtual_keyboard.h"

namespace cv {
namespace {

constexpr int kKeyPadding = 4;

Size CaptionSize(const Font* font, const std::u16string& caption) {
    const Size text = font ? font->getTextSize(caption) : Size{};
    return {text.width + kKeyPadding, text.height + kKeyPadding};
}

}  // namespace

// The key the direction keys rest on has a double frame in the highlight.
void KeyboardKey::paint() {
    const bool keyFocus = hasFocus() && KeyMode();
    if (!UsePaintColor(color(keyFocus ? kColorSelect : kColorGray))) return;
    const Rect& b = bounds();
    CurrentPainter()->drawRect(b);
    if (keyFocus) CurrentPainter()->drawRect({b.x + 1, b.y + 1, b.width - 2, b.height - 2});
    UsePaintColor(color(captionSlot()));
    drawTextIn(text(), bounds(), justification(), font());
}

void KeyboardKey::showMode(const std::string&) {}

Size KeyboardKey::naturalSize() const {
    return CaptionSize(font(), text());
}

void KeyboardKey::type(char16_t ch) {
    if (state() == kGrey) return;
    GuiElement* outermost = this;
    while (outermost->parent()) outermost = outermost->parent();
    Ref<GuiElement> keep(outermost);
    outermost->onChar(ch);
}

VirtualKeyboard* KeyboardKey::keyboard() const {
    return dynamic_cast<VirtualKeyboard*>(parent());
}

CharKey::CharKey(std::vector<Entry> entries) : entries_(std::move(entries)) {
    setJustification("CC");
}

char16_t CharKey::characterFor(const std::string& mode) const {
    for (const auto& [name, ch] : entries_) {
        if (name == mode) return ch;
    }
    for (const auto& [name, ch] : entries_) {
        if (name.empty()) return ch;
    }
    return entries_.empty() ? 0 : entries_.front().second;
}

void CharKey::click() {
    type(shown_);
}

void CharKey::showMode(const std::string& mode) {
    shown_ = characterFor(mode);
    setText(std::u16string(1, shown_));
}

Size CharKey::naturalSize() const {
    Size widest;
    for (const auto& entry : entries_) {
        const Size size = CaptionSize(font(), std::u16string(1, entry.second));
        widest = {std::max(widest.width, size.width), std::max(widest.height, size.height)};
    }
    return widest;
}

TypingKey::TypingKey(const std::u16string& caption, char16_t ch, int width)
    : ch_(ch), width_(width) {
    setText(caption);
    setJustification("CC");
}

void TypingKey::click() {
    type(ch_);
}

Size TypingKey::naturalSize() const {
    return {width_, KeyboardKey::naturalSize().height};
}

ModeKey::ModeKey(const std::u16string& caption, std::string mode, char16_t flag)
    : mode_(std::move(mode)), flag_(flag) {
    setText(caption);
    setJustification("CC");
}

int ModeKey::captionSlot() const {
    return on_ && state() == kNormal ? kColorSelect : shownState();
}

void ModeKey::click() {
    if (state() == kGrey) return;
    Ref<ModeKey> keep(this);
    sendMessage(this, parent(), Message{"ChangeVKbdMode", on_ ? "" : mode_, 0, nullptr});
}

void ModeKey::showMode(const std::string& mode) {
    const bool on = mode == mode_;
    if (on != on_) requestRedraw();
    on_ = on;
}

void SwitchKey::click() {
    if (state() == kGrey) return;
    Ref<SwitchKey> keep(this);
    if (VirtualKeyboard* board = keyboard()) board->showPartition(next_);
}

Size SwitchKey::naturalSize() const {
    return {width_ + kKeyPadding, KeyboardKey::naturalSize().height};
}

void SwitchKey::setTarget(size_t next, const std::u16string& name, int width) {
    next_ = next;
    width_ = width;
    setText(name);
    setJustification("CC");
}

}  // namespace cv
