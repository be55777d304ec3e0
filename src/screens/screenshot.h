#pragma once

#include <cstdint>
#include <string>

namespace cv {

// The virtual keys of the screenshot: F12, Shift for the window's scale.
constexpr uint64_t kScreenshotKey = 123;
bool IsShiftKey(uint64_t virtualKey);

// Writes the frame on screen as the first free "Screenshot.png",
// "Screenshot-2.png", ... of the pictures folder, then says over the current
// screen where it went (or why it could not). Gives the path written, or
// empty.
std::string TakeScreenshot(bool windowScale);

}  // namespace cv
