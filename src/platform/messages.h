#pragma once

#include <cstdint>

namespace cv::platform {

// Window messages keep the handheld system's numbers, so that message handling
// reads as the game's logic was first written.
enum : uint32_t {
    WM_DESTROY = 0x0002,
    WM_ACTIVATE = 0x0006,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_DEADCHAR = 0x0103,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_TIMER = 0x0113,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_MOUSEWHEEL = 0x020A,
};

// Button and modifier bits of mouse messages' wParam.
enum : uint32_t {
    MK_LBUTTON = 0x01,
    MK_RBUTTON = 0x02,
    MK_SHIFT = 0x04,
    MK_CONTROL = 0x08,
    MK_MBUTTON = 0x10,
};

// Message box button sets, icons and answers.
enum : uint32_t {
    MB_OK = 0x00,
    MB_OKCANCEL = 0x01,
    MB_YESNO = 0x04,
    MB_RETRYCANCEL = 0x05,
    MB_ICONHAND = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONASTERISK = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4, IDYES = 6, IDNO = 7 };

constexpr int kTimerId = 1;
constexpr int kTimerPeriodMs = 166;

struct Message {
    uint32_t message = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
};

// A point packed as mouse messages carry it: x in the low, y in the high 16 bits.
constexpr int64_t MakePointParam(int x, int y) {
    return static_cast<int64_t>((static_cast<uint32_t>(y) & 0xFFFF) << 16 |
                                (static_cast<uint32_t>(x) & 0xFFFF));
}
constexpr int PointX(int64_t lParam) { return static_cast<int16_t>(lParam & 0xFFFF); }
constexpr int PointY(int64_t lParam) { return static_cast<int16_t>((lParam >> 16) & 0xFFFF); }

// A wheel message carries its turn in the high word of wParam, in 120ths of a
// notch, positive away from the user; its lParam is the pointer's point.
constexpr int kWheelDelta = 120;
constexpr int kMaxWheelNotches = 32767 / kWheelDelta;
constexpr uint64_t MakeWheelParam(int notches) {
    return static_cast<uint64_t>(static_cast<uint16_t>(notches * kWheelDelta)) << 16;
}
constexpr int WheelNotches(uint64_t wParam) {
    return static_cast<int16_t>((wParam >> 16) & 0xFFFF) / kWheelDelta;
}

}  // namespace cv::platform
