#include "gui/edit.h"

#include "app/key_codes.h"
#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gui/form.h"

namespace cv {
namespace {

constexpr char kEditJustification[] = "LC";
constexpr int kCaretWidth = 4;

}  // namespace

Edit::Edit() {
    setTabStop(true);
}

void Edit::paint() {
    IPainter* painter = CurrentPainter();
    if (!painter) return;
    painter->setColor(color(isEnabled() ? kColorNorm : kColorGray));
    const Font* face = font();
    const Rect& b = bounds();
    Point at{b.x, b.y};
    if (face) {
        const Size size = face->getTextSize(text());
        at = JustifiedPosition(size, b, kEditJustification);
        face->drawText(*painter, at, text());
        at.x += size.width;
    }
    if (!hasFocus()) return;
    painter->fillRect({at.x, b.y + 1, kCaretWidth, b.height - 2});
    painter->setColor(color(kColorSelect));
    painter->drawRect({b.x - 1, b.y - 1, b.width + 2, b.height + 2});
}

bool Edit::onPointer(const PointerEvent& event) {
    if (event.kind != PointerEvent::Release || !contains({event.x, event.y})) return false;
    for (GuiElement* element = this; element->parent(); element = element->parent()) {
        element->parent()->setFocusTo(element);
    }
    return true;
}

bool Edit::onKey(int key, bool down) {
    if (!down || key != kKeyEsc || !hasFocus() || text().empty()) return false;
    changeText(text().substr(0, text().size() - 1));
    return true;
}

bool Edit::onChar(char16_t ch) {
    if (!hasFocus()) return false;
    if (ch == 8) {
        if (!text().empty()) changeText(text().substr(0, text().size() - 1));
    } else if (ch >= 32) {
        changeText(text() + ch);
    }
    return true;
}

void Edit::changeText(const std::u16string& text) {
    setText(text);
    sendMessage(this, parent(), Message{"ItemChanged", "", 0, nullptr});
}

}  // namespace cv
