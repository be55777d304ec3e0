#include "gui/label.h"

#include "gfx/font_registry.h"
#include "gui/form.h"
#include "gui/pointer_routing.h"

namespace cv {

void Label::paint() {
    if (text().empty()) return;
    if (UsePaintColor(color(isEnabled() ? kColorNorm : kColorGray))) {
        drawTextIn(text(), bounds(), justification_, font());
    }
}

bool Label::onMessage(const Message& message) {
    if (message.name != "SetJustify") return false;
    if (message.text != justification_) requestRedraw();
    justification_ = message.text;
    return true;
}

bool DraggableLabel::startDrag(DragRecord& drag) {
    sendMessage(this, parent(), Message{"StartDrag", "", drag.point.x, nullptr});
    return true;
}

bool DraggableLabel::dragMove(DragRecord& drag) {
    sendMessage(this, parent(), Message{"OnDrag", "", drag.point.x, nullptr});
    return true;
}

}  // namespace cv
