#pragma once

#include <cstdint>
#include <utility>

namespace cv::platform {

// The controller buttons the game answers, numbered as SDL's game controller
// API numbers them.
constexpr int kPadA = 0;
constexpr int kPadB = 1;
constexpr int kPadBack = 4;
constexpr int kPadStart = 6;
constexpr int kPadLeftShoulder = 9;
constexpr int kPadRightShoulder = 10;
constexpr int kPadUp = 11;
constexpr int kPadDown = 12;
constexpr int kPadLeft = 13;
constexpr int kPadRight = 14;
// The left stick's axes, numbered as SDL numbers them; y grows downwards.
constexpr int kStickX = 0;
constexpr int kStickY = 1;

// The virtual key a controller button strikes: the d-pad the arrows, A Space
// (select), B Esc, Start Enter (the default button; the game menu on the
// map), Back Tab, the shoulders keypad minus and plus (previous and next).
// -1 for the buttons the game leaves alone.
int VirtualKeyOfPadButton(int button);

// A stick axis pushed this far (40 % of its travel) leans that way; it lets
// go only once back under the release mark, so a stick resting near the
// threshold does not chatter.
constexpr int kStickPress = 13107;
constexpr int kStickRelease = 9830;

// The direction key a stick holds: an arrow key while it leans one way, a
// diagonal key of the keypad (Home, PgUp, End, PgDown, the steps 7 9 1 3)
// while both axes lean, so the stick walks in eight directions.
class StickKeys {
public:
    // An axis moved to `value` (-32768..32767): the key to let go and the key
    // to press, in that order, each -1 when nothing changes. Other axes give
    // {-1, -1}.
    std::pair<int, int> Move(int axis, int value);
    int Held() const { return held_; }

private:
    int side_[2] = {0, 0};  // each axis: -1, 0 or 1
    int held_ = -1;
};

// A held direction key (an arrow or a keypad diagonal) strikes again as a
// keyboard's does: after a pause, then steadily until it is let go. Other
// keys do not repeat.
class PadRepeat {
public:
    static constexpr uint32_t kDelayMs = 400;
    static constexpr uint32_t kIntervalMs = 150;

    void Press(int virtualKey, uint32_t nowMs);
    void Release(int virtualKey);
    // The key to strike again at `nowMs`, or -1; each repeat given is used up.
    int Due(uint32_t nowMs);
    // Milliseconds until the next repeat, at most `longest`.
    uint32_t WaitMs(uint32_t nowMs, uint32_t longest) const;

private:
    int key_ = -1;
    uint32_t nextMs_ = 0;
};

}  // namespace cv::platform
