#pragma once

#include <cstdint>

namespace cv {

// Widget behaviour flags; start-up sets kGuiNoHover.
enum GuiFlag : uint32_t { kGuiNoHover = 2 };
uint32_t& GuiFlags();

// Display flags of the application.
enum DisplayFlag : uint32_t { kFlipScreen = 1 };
uint32_t& DisplayFlags();

// The device surface as the CFG sizes it: portrait pixels, 16 bits, flag 0.
struct ScreenSize {
    int width = 480;
    int height = 640;
    int bitsPerPixel = 16;
    int flags = 0;
};
ScreenSize& DeviceScreen();

// Set by every visual change; the main loop repaints when it finds it set.
bool& RedrawRequested();

// GetTickCount() when the message loop started.
uint32_t& StartTicks();

}  // namespace cv
