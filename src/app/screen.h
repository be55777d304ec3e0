#pragma once

namespace cv {

// Whatever owns the display and the input: the title, a form, the battlefield.
class Screen {
public:
    virtual ~Screen() = default;
    // After every dispatched message while the application is active.
    virtual void Update() = 0;
    // On every timer tick while the application is active.
    virtual void Tick() = 0;
    // True when it becomes the current screen, false when it is replaced.
    virtual void Activate(bool active) = 0;
    virtual bool OnKey(int key, bool pressed) = 0;
    virtual bool OnChar(char16_t ch) = 0;
};

}  // namespace cv
