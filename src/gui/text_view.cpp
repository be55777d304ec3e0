#include "gui/text_view.h"

#include <algorithm>

#include "gfx/graphics_device.h"
#include "gui/gui_message.h"
#include "gui/text_wrap.h"

namespace cv {

void TextView::setText(const std::u16string& text) {
    GuiElement::setText(text);
    if (bounds().width != 0 && bounds().height != 0) format();
}

void TextView::format() {
    const Font* face = font();
    if (!face) return;
    lines_ = WrapText(text(), *face, bounds().width);
    textSize_ = {0, face->getHeight() * static_cast<int>(lines_.size())};
    for (const auto& line : lines_) {
        textSize_.width = std::max(textSize_.width, face->getTextSize(line).width);
    }
    requestRedraw();
}

bool TextView::onMessage(const Message& message) {
    if (message.name == "AutoFormat") {
        format();
        return true;
    }
    if (message.name != "SetJustify") return false;
    justification_ = message.text;
    requestRedraw();
    return true;
}

void TextView::paint() {
    const Font* face = font();
    IPainter* painter = CurrentPainter();
    if (!face || !painter || !UsePaintColor(color(kColorNorm))) return;
    const Rect& b = bounds();
    const char across = justification_.size() > 0 ? justification_[0] : 'L';
    const char down = justification_.size() > 1 ? justification_[1] : 'T';
    int y = b.y;
    if (down == 'B') y = b.y + b.height - textSize_.height - 1;
    if (down == 'C') y = b.y + b.height / 2 - textSize_.height / 2;
    for (const auto& line : lines_) {
        const Size size = face->getTextSize(line);
        int x = b.x;
        if (across == 'C') x = b.x + b.width / 2 - size.width / 2;
        if (across == 'R') x = b.x + b.width - size.width - 1;
        face->drawText(*painter, {x, y}, line);
        y += size.height;
    }
}

}  // namespace cv
