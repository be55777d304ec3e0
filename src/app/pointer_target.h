#pragma once

#include <cstdint>

namespace cv {

// A stylus or mouse event in logical screen coordinates.
struct PointerEvent {
    enum Kind : int32_t { Move = 0, Release = 1, Press = 2 };
    enum Modifier : uint32_t { Left = 1, Right = 2, Middle = 4, Control = 8, Shift = 16 };
    int32_t kind = Move;
    int32_t x = 0, y = 0;
    uint32_t modifiers = 0;
    int32_t button = 0;  // 1 left, 2 right, 0 for a move
};

// Receives the pointer events of the window (the GUI's drag routing).
class PointerTarget {
public:
    virtual ~PointerTarget() = default;
    virtual void OnPointerEvent(const PointerEvent& event) = 0;
    // The mouse wheel turned by whole notches (positive away from the user)
    // with the pointer at (x, y); nothing by default.
    virtual void OnWheel(int /*x*/, int /*y*/, int /*notches*/) {}
    // False while keys rather than the stylus drive the focus display.
    virtual bool StylusInUse() const = 0;
};

PointerTarget* CurrentPointerTarget();
void SetPointerTarget(PointerTarget* target);

}  // namespace cv
