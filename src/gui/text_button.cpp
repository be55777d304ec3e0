#include "gui/text_button.h"

#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gfx/image_cache.h"
#include "gui/gui_message.h"
#include "gui/pointer_routing.h"

namespace cv {
namespace {

constexpr int kTextGap = 5;

}  // namespace

void TextButton::paint() {
    if (UsePaintColor(color(shownState()))) drawTextIn(text(), bounds(), justification(), font());
}

void CheckButton::paint() {
    IPainter* painter = CurrentPainter();
    if (!painter) return;
    const Rect& b = bounds();
    Ref<Sprite> picture = getPicture();
    const Size size = picture->getSize();
    picture->draw({b.x, b.y + (b.height - size.height) / 2}, kDrawPlain);
    int slot = state();
    if (slot == kNormal || slot == kSelected) slot = checked_ ? kColorSelect : shownState();
    painter->setColor(color(slot));
    const int textLeft = size.width + kTextGap;
    drawTextIn(text(), {b.x + textLeft, b.y, b.width - textLeft, b.height}, justification(),
               font());
    if (hasFocus() && KeyMode()) painter->drawRect({b.x - 1, b.y - 1, b.width + 2, b.height + 2});
}

bool CheckButton::onMessage(const Message& message) {
    if (message.name != "SetCheck") return Button::onMessage(message);
    const bool checked = message.number != 0;
    if (checked != checked_) requestRedraw();
    checked_ = checked;
    return true;
}

Ref<Sprite> CheckButton::getPicture() {
    return getImage(std::string(picturePrefix_) + (checked_ && isEnabled() ? "on" : "off"));
}

}  // namespace cv
