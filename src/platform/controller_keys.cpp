#include "platform/controller_keys.h"

#include <algorithm>

namespace cv::platform {
namespace {

// Handheld virtual keys.
constexpr int kVkTab = 9, kVkReturn = 13, kVkEscape = 27, kVkSpace = 32;
constexpr int kVkPrior = 33, kVkNext = 34, kVkEnd = 35, kVkHome = 36;
constexpr int kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;
constexpr int kVkAdd = 107, kVkSubtract = 109;

// The arrows and the keypad's diagonals: 33 to 40.
bool IsDirectionKey(int virtualKey) {
    return virtualKey >= kVkPrior && virtualKey <= kVkDown;
}

// The keys of the eight directions and the centre, by the sides of y then x.
constexpr int kKeyOfSides[3][3] = {
    {kVkHome, kVkUp, kVkPrior}, {kVkLeft, -1, kVkRight}, {kVkEnd, kVkDown, kVkNext}};

int Magnitude(int value) {
    return value < 0 ? -value : value;
}

// The side an axis leans to at `value`, having leant to `side` before.
int SideAt(int side, int value) {
    const int towards = value < 0 ? -1 : 1;
    if (Magnitude(value) >= kStickPress) return towards;
    return side == towards && Magnitude(value) >= kStickRelease ? side : 0;
}

}  // namespace

int VirtualKeyOfPadButton(int button) {
    switch (button) {
        case kPadA:
            return kVkSpace;
        case kPadB:
            return kVkEscape;
        case kPadBack:
            return kVkTab;
        case kPadStart:
            return kVkReturn;
        case kPadLeftShoulder:
            return kVkSubtract;
        case kPadRightShoulder:
            return kVkAdd;
        case kPadUp:
            return kVkUp;
        case kPadDown:
            return kVkDown;
        case kPadLeft:
            return kVkLeft;
        case kPadRight:
            return kVkRight;
        default:
            return -1;
    }
}

std::pair<int, int> StickKeys::Move(int axis, int value) {
    if (axis != kStickX && axis != kStickY) return {-1, -1};
    side_[axis] = SideAt(side_[axis], value);
    const int wanted = kKeyOfSides[side_[kStickY] + 1][side_[kStickX] + 1];
    if (wanted == held_) return {-1, -1};
    const int released = held_;
    held_ = wanted;
    return {released, wanted};
}

void PadRepeat::Press(int virtualKey, uint32_t nowMs) {
    if (!IsDirectionKey(virtualKey)) return;
    key_ = virtualKey;
    nextMs_ = nowMs + kDelayMs;
}

void PadRepeat::Release(int virtualKey) {
    if (virtualKey == key_) key_ = -1;
}

// The tick count wraps after 49 days; differences stay right across it.
int PadRepeat::Due(uint32_t nowMs) {
    if (key_ < 0 || static_cast<int32_t>(nowMs - nextMs_) < 0) return -1;
    nextMs_ = nowMs + kIntervalMs;
    return key_;
}

uint32_t PadRepeat::WaitMs(uint32_t nowMs, uint32_t longest) const {
    if (key_ < 0) return longest;
    const int32_t left = static_cast<int32_t>(nextMs_ - nowMs);
    return left <= 0 ? 0 : std::min(static_cast<uint32_t>(left), longest);
}

}  // namespace cv::platform
