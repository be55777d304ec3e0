#pragma once

#include "app/pointer_target.h"
#include "gui/gui_element.h"

namespace cv {

class Form;

// The one drag of the program: where the stylus went down, on what, and
// whether it is only pressed or already dragging.
struct DragRecord {
    enum State : int { kNone = 0, kPressed = 1, kDragging = 2 };
    Point start;
    Point point;  // of the event being routed
    Ref<GuiElement> element;
    int state = kNone;
};

DragRecord& TheDragRecord();

// A press turns into a drag once the stylus is this far away, squared.
constexpr int kDragThresholdSquared = 65;

// Routes a pointer event into `form` through the drag record: a press
// remembers the element under the stylus, a move far enough offers it the
// drag, and a drag's moves and release go to the dragged element only.
void RoutePointer(Form& form, const PointerEvent& event);

// The application's pointer target: routes into the active form. The stylus
// counts as in use from a press until a key press.
class FormPointerTarget : public PointerTarget {
public:
    void OnPointerEvent(const PointerEvent& event) override;
    // The wheel goes to the element under the pointer; where that one does
    // not take it, each notch strikes the previous or next key on the form.
    void OnWheel(int x, int y, int notches) override;
    bool StylusInUse() const override { return stylusInUse_; }
    // A key press: focused widgets show their focus from now on.
    void noteKeyInput() { setStylusInUse(false); }
    void reset() { stylusInUse_ = true; }

private:
    void setStylusInUse(bool inUse);

    bool stylusInUse_ = true;
};

FormPointerTarget& TheFormPointerTarget();

// Keys rather than the stylus drive the focus display: no pointer target, or
// one that says the stylus is not in use.
bool KeyMode();

}  // namespace cv
