#include "gui/pointer_routing.h"

#include <cstdlib>

#include "app/key_codes.h"
#include "gui/form.h"

namespace cv {
namespace {

int64_t SquaredDistance(Point a, Point b) {
    const int64_t dx = int64_t{a.x} - b.x, dy = int64_t{a.y} - b.y;
    return dx * dx + dy * dy;
}

// True when the event was consumed by the drag.
bool RouteDrag(DragRecord& drag, Form& form, const PointerEvent& event) {
    drag.point = {event.x, event.y};
    if (drag.state == DragRecord::kNone) {
        if (event.kind != PointerEvent::Press) return false;
        drag.start = drag.point;
        drag.element = form.hitTest(drag.point);
        drag.state = DragRecord::kPressed;
        return false;
    }
    if (drag.state == DragRecord::kPressed) {
        if (event.kind == PointerEvent::Release) drag = DragRecord();
        if (event.kind != PointerEvent::Move) return false;
        if (SquaredDistance(drag.point, drag.start) < kDragThresholdSquared) return false;
        if (!drag.element || !drag.element->startDrag(drag)) return false;
        drag.state = DragRecord::kDragging;
        return true;
    }
    Ref<GuiElement> element = drag.element;
    if (event.kind == PointerEvent::Move) {
        if (!element->dragMove(drag)) drag = DragRecord();
        return true;
    }
    if (event.kind == PointerEvent::Release) {
        element->endDrag(drag);
        drag = DragRecord();
        return true;
    }
    return false;
}

}  // namespace

DragRecord& TheDragRecord() {
    static DragRecord drag;
    return drag;
}

void RoutePointer(Form& form, const PointerEvent& event) {
    Ref<Form> keep(&form);
    if (!RouteDrag(TheDragRecord(), form, event)) form.onPointer(event);
}

void FormPointerTarget::OnPointerEvent(const PointerEvent& event) {
    if (event.kind == PointerEvent::Press) setStylusInUse(true);
    if (Form* form = ActiveForm()) RoutePointer(*form, event);
}

void FormPointerTarget::OnWheel(int x, int y, int notches) {
    Form* form = ActiveForm();
    if (!form) return;
    Ref<Form> keep(form);
    if (Ref<GuiElement> under = form->hitTest({x, y}); under && under->onWheel(notches)) return;
    const int key = notches > 0 ? kKeyGrayMinus : kKeyGrayPlus;
    for (int i = 0; i < std::abs(notches); ++i) {
        form->onKey(key, true);
        form->onKey(key, false);
    }
}

void FormPointerTarget::setStylusInUse(bool inUse) {
    // The focus display changes with it.
    if (inUse != stylusInUse_) requestRedraw();
    stylusInUse_ = inUse;
}

FormPointerTarget& TheFormPointerTarget() {
    static FormPointerTarget target;
    return target;
}

bool KeyMode() {
    PointerTarget* target = CurrentPointerTarget();
    return !target || !target->StylusInUse();
}

}  // namespace cv
