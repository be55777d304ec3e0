#include "gui/text_auto_scroll.h"

#include "gfx/graphics_device.h"
#include "gui/gui_message.h"
#include "gui/text_wrap.h"

namespace cv {

void TextAutoScroll::setText(const std::u16string& text) {
    GuiElement::setText(text);
    format();
}

void TextAutoScroll::setBounds(const Rect& bounds) {
    GuiElement::setBounds(bounds);
    format();
}

void TextAutoScroll::format() {
    const Font* face = font();
    if (!face || bounds().width == 0 || bounds().height == 0) return;
    lines_ = WrapText(text(), *face, bounds().width);
    lineHeight_ = face->getHeight();
    risen_ = (bounds().height + textHeight()) / 2;
    requestRedraw();
}

void TextAutoScroll::onTimer() {
    if (lines_.empty() || cycle() <= 0) return;
    risen_ = (risen_ + kStep) % cycle();
    requestRedraw();
}

bool TextAutoScroll::onMessage(const Message& message) {
    if (message.name == "AutoFormat") {
        format();
        return true;
    }
    if (message.name != "SetJustify" || message.text.empty()) return false;
    across_ = message.text[0];
    requestRedraw();
    return true;
}

void TextAutoScroll::paint() {
    const Font* face = font();
    IPainter* painter = CurrentPainter();
    if (!face || !painter || !UsePaintColor(color(kColorNorm))) return;
    const Rect& b = bounds();
    int top = firstLineTop();
    for (const auto& line : lines_) {
        if (top >= 0 && top + lineHeight_ <= b.height) {
            const int width = face->getTextSize(line).width;
            int x = b.x;
            if (across_ == 'C') x = b.x + (b.width - width) / 2;
            if (across_ == 'R') x = b.x + b.width - width - 1;
            face->drawText(*painter, {x, b.y + top}, line);
        }
        top += lineHeight_;
    }
}

}  // namespace cv
