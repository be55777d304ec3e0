#include "screens/list_box.h"

#include <algorithm>
#include <cstdlib>

#include "app/key_codes.h"

#include "gfx/font_registry.h"
#include "gfx/graphics_device.h"
#include "gui/form.h"
#include "gui/gui_keys.h"
#include "gui/gui_message.h"
#include "gui/pointer_routing.h"

namespace cv {
namespace {

constexpr int kRowPadding = 4;
constexpr int kTextIndent = 6;

}  // namespace

ListBox::ListBox() {
    setTabStop(true);
}

int ListBox::rowHeight() const {
    const Font* face = font();
    return (face ? face->getHeight() : 12) + kRowPadding;
}

int ListBox::pageSize() const {
    return std::max(1, bounds().height / rowHeight());
}

void ListBox::setItems(std::vector<std::u16string> items) {
    items_ = std::move(items);
    first_ = 0;
    selected_ = items_.empty() ? -1 : 0;
    requestRedraw();
}

void ListBox::select(int index) {
    if (items_.empty()) return;
    selected_ = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
    first_ = selected_ / pageSize() * pageSize();
    requestRedraw();
}

void ListBox::turnPage(int direction) {
    if (direction < 0 ? !hasPageBefore() : !hasPageAfter()) return;
    choose(first_ + direction * pageSize());
}

void ListBox::choose(int index) {
    select(index);
    if (parent()) sendMessage(this, parent(), Message{notification_, "", selected_, nullptr});
}

void ListBox::paint() {
    IPainter* painter = CurrentPainter();
    if (!painter) return;
    const Rect& b = bounds();
    const int height = rowHeight();
    const int last = std::min(static_cast<int>(items_.size()), first_ + pageSize());
    for (int i = first_; i < last; ++i) {
        const Rect row{b.x, b.y + (i - first_) * height, b.width, height};
        const bool chosen = i == selected_;
        if (chosen) {
            painter->setColor(color(kColorSelect));
            painter->drawRect(row);
        }
        painter->setColor(color(chosen ? kColorSelect : kColorNorm));
        drawTextIn(items_[i], {row.x + kTextIndent, row.y, row.width - 2 * kTextIndent, row.height},
                   "LC", font());
    }
    if (hasFocus() && KeyMode()) {
        painter->setColor(color(kColorSelect));
        painter->drawRect({b.x - 1, b.y - 1, b.width + 2, b.height + 2});
    }
}

bool ListBox::onPointer(const PointerEvent& event) {
    if (!contains({event.x, event.y})) return false;
    if (event.kind == PointerEvent::Release) {
        const int index = first_ + (event.y - bounds().y) / rowHeight();
        if (index >= static_cast<int>(items_.size())) return true;
        if (index != selected_) choose(index);
        activate();
    }
    return true;
}

void ListBox::activate() {
    if (activation_.empty() || !parent()) return;
    sendMessage(this, parent(), Message{activation_, "", selected_, nullptr});
}

// The previous and next keys turn the form's list wherever the focus is;
// PgUp and PgDown turn it while it has the focus.
int ListBox::pageStepOf(int key) const {
    if (const int step = PageStepOfKey(key)) return step;
    if (!hasFocus()) return 0;
    return key == kKeyPgUp ? -1 : key == kKeyPgDown ? 1 : 0;
}

bool ListBox::onWheel(int notches) {
    for (int i = 0; i < std::abs(notches); ++i) turnPage(notches > 0 ? -1 : 1);
    return true;
}

bool ListBox::onKey(int key, bool down) {
    if (!down || items_.empty()) return false;
    if (const int step = pageStepOf(key)) {
        turnPage(step);
        return true;
    }
    if (!hasFocus()) return false;
    if (!activation_.empty() && (isGuiKey(kRoleSelect, key) || isGuiKey(kRoleStart, key))) {
        activate();
        return true;
    }
    if (isGuiKey(kRoleUp, key) && selected_ > 0) {
        choose(selected_ - 1);
        return true;
    }
    if (isGuiKey(kRoleDown, key) && selected_ + 1 < static_cast<int>(items_.size())) {
        choose(selected_ + 1);
        return true;
    }
    return false;
}

}  // namespace cv
