// A game controller acting as the game's keys: the mapping of its buttons and
// stick, and a virtual controller driven through the real SDL backend.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "platform/controller_keys.h"
#include "platform/sdl/sdl_platform.h"

namespace cv::platform {
namespace {

TEST(PadMapping, ButtonsAreTheGamesKeys) {
    const std::pair<int, int> cases[] = {{kPadA, 32},
                                         {kPadB, 27},
                                         {kPadBack, 9},
                                         {kPadStart, 13},
                                         {kPadUp, 38},
                                         {kPadDown, 40},
                                         {kPadLeft, 37},
                                         {kPadRight, 39},
                                         {kPadLeftShoulder, 109},
                                         {kPadRightShoulder, 107},
                                         {2, -1} /* X */,
                                         {3, -1} /* Y */,
                                         {5, -1} /* guide */,
                                         {15, -1},
                                         {-1, -1}};
    for (const auto& [button, key] : cases) EXPECT_EQ(VirtualKeyOfPadButton(button), key) << button;
}

// Each axis leans past its threshold and lets go below the release mark;
// both leaning make the keypad's diagonal.
TEST(PadMapping, TheStickWalksEightWaysFromItsThresholdToItsReleaseMark) {
    constexpr int kNone = -1, kPgUp = 33, kPgDown = 34, kEnd = 35;
    constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;
    struct Move {
        int axis, value;
        std::pair<int, int> releasedPressed;
    };
    const Move moves[] = {{kStickX, kStickPress - 1, {kNone, kNone}},
                          {kStickX, kStickPress, {kNone, kRight}},
                          {kStickX, kStickRelease, {kNone, kNone}},
                          {kStickX, kStickRelease - 1, {kRight, kNone}},
                          {kStickX, -kStickPress + 1, {kNone, kNone}},
                          {kStickX, -kStickPress, {kNone, kLeft}},
                          {kStickY, kStickPress, {kLeft, kEnd}},
                          {kStickX, -kStickRelease + 1, {kEnd, kDown}},
                          {kStickX, 32767, {kDown, kPgDown}},
                          {kStickY, -32768, {kPgDown, kPgUp}},
                          {kStickY, 0, {kPgUp, kRight}},
                          {kStickY, -kStickPress, {kRight, kPgUp}},
                          {kStickX, 0, {kPgUp, kUp}},
                          {2, 32767, {kNone, kNone}}};
    StickKeys stick;
    for (const Move& m : moves) {
        EXPECT_EQ(stick.Move(m.axis, m.value), m.releasedPressed) << m.axis << " " << m.value;
    }
    EXPECT_EQ(stick.Held(), kUp);
}

TEST(PadMapping, HeldDirectionsRepeatAfterThePauseAndOtherKeysNever) {
    PadRepeat repeat;
    repeat.Press(32, 0);  // Space
    EXPECT_EQ(repeat.Due(10000), -1);
    repeat.Press(38, 1000);
    EXPECT_EQ(repeat.WaitMs(1000, 250), 250u);
    EXPECT_EQ(repeat.WaitMs(1300, 250), PadRepeat::kDelayMs - 300);
    EXPECT_EQ(repeat.Due(1000 + PadRepeat::kDelayMs - 1), -1);
    EXPECT_EQ(repeat.Due(1000 + PadRepeat::kDelayMs), 38);
    const uint32_t next = 1000 + PadRepeat::kDelayMs + PadRepeat::kIntervalMs;
    EXPECT_EQ(repeat.Due(next - 1), -1);
    EXPECT_EQ(repeat.Due(next), 38);
    repeat.Release(40);  // another key: the held one goes on
    EXPECT_EQ(repeat.Due(next + PadRepeat::kIntervalMs), 38);
    repeat.Release(38);
    EXPECT_EQ(repeat.Due(next + 10 * PadRepeat::kIntervalMs), -1);
    // A diagonal repeats too; across the wrap of the tick count.
    repeat.Press(33, 0xFFFFFFFFu - 100);
    EXPECT_EQ(repeat.Due(PadRepeat::kDelayMs - 102), -1);
    EXPECT_EQ(repeat.Due(PadRepeat::kDelayMs - 101), 33);
    repeat.Press(107, 0);  // the next key (a shoulder) takes no repeat
    EXPECT_EQ(repeat.Due(PadRepeat::kDelayMs - 101 + PadRepeat::kIntervalMs), 33);
}

// The SDL backend without a window, on the memory video driver, with a
// virtual controller plugged in after it started.
class VirtualPad : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        host = std::make_unique<SdlPlatform>("");
        host->SetTimer(kTimerId, 20);
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        pad = SDL_JoystickOpen(device);
        ASSERT_NE(pad, nullptr) << SDL_GetError();
        Messages();  // the backend takes the controller in
    }
    void TearDown() override {
        if (pad) SDL_JoystickClose(pad);
        host.reset();
        unsetenv("SDL_VIDEODRIVER");
    }
    // The key and character messages posted over a few timer periods, as
    // "down 38", "up 38", "char 27"; wheel turns as "wheel 2".
    std::vector<std::string> Messages() {
        std::vector<std::string> seen;
        Message m;
        for (int ticks = 0; ticks < 4 && host->GetMessage(m);) {
            if (m.message == WM_TIMER) ++ticks;
            if (m.message == WM_KEYDOWN) seen.push_back("down " + std::to_string(m.wParam));
            if (m.message == WM_KEYUP) seen.push_back("up " + std::to_string(m.wParam));
            if (m.message == WM_CHAR) seen.push_back("char " + std::to_string(m.wParam));
            if (m.message == WM_MOUSEWHEEL) {
                seen.push_back("wheel " + std::to_string(WheelNotches(m.wParam)));
            }
        }
        return seen;
    }
    std::vector<std::string> Button(int button, bool down) {
        SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
        return Messages();
    }
    std::vector<std::string> Stick(int axis, int value) {
        SDL_JoystickSetVirtualAxis(pad, axis, static_cast<Sint16>(value));
        return Messages();
    }

    std::unique_ptr<SdlPlatform> host;
    int device = -1;
    SDL_Joystick* pad = nullptr;
};

using Strokes = std::vector<std::string>;

TEST_F(VirtualPad, ButtonsAndTheStickArriveAsTheKeyboardsKeyStrokes) {
    const std::pair<int, Strokes> buttons[] = {
        {SDL_CONTROLLER_BUTTON_A, {"down 32", "up 32"}},
        {SDL_CONTROLLER_BUTTON_B, {"down 27", "char 27", "up 27"}},
        {SDL_CONTROLLER_BUTTON_START, {"down 13", "char 13", "up 13"}},
        {SDL_CONTROLLER_BUTTON_BACK, {"down 9", "char 9", "up 9"}},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, {"down 109", "up 109"}},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, {"down 107", "up 107"}},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, {"down 37", "up 37"}},
        {SDL_CONTROLLER_BUTTON_X, {}}};
    for (const auto& [button, strokes] : buttons) {
        Strokes got = Button(button, true);
        const Strokes up = Button(button, false);
        got.insert(got.end(), up.begin(), up.end());
        EXPECT_EQ(got, strokes) << button;
    }
    const std::tuple<int, int, Strokes> stick[] = {
        {SDL_CONTROLLER_AXIS_LEFTY, kStickPress - 1, {}},
        {SDL_CONTROLLER_AXIS_LEFTY, kStickPress, {"down 40"}},
        {SDL_CONTROLLER_AXIS_LEFTX, kStickPress, {"up 40", "down 34"}},  // PgDown, the keypad's 3
        {SDL_CONTROLLER_AXIS_LEFTX, 0, {"up 34", "down 40"}},
        {SDL_CONTROLLER_AXIS_LEFTY, -kStickPress, {"up 40", "down 38"}},
        {SDL_CONTROLLER_AXIS_LEFTY, 0, {"up 38"}}};
    for (const auto& [axis, value, strokes] : stick) {
        EXPECT_EQ(Stick(axis, value), strokes) << axis << " " << value;
    }
}

TEST_F(VirtualPad, APadPulledOutLetsGoOfItsKeysAndTheWheelTurnsByNotches) {
    EXPECT_EQ(Button(SDL_CONTROLLER_BUTTON_A, true), Strokes{"down 32"});
    SDL_JoystickClose(pad);
    pad = nullptr;
    SDL_JoystickDetachVirtual(device);
    EXPECT_EQ(Messages(), Strokes{"up 32"});

    for (const auto& [y, flipped, notches] :
         {std::tuple{2, false, "wheel 2"}, std::tuple{1, true, "wheel -1"}}) {
        SDL_Event wheel{};
        wheel.type = SDL_MOUSEWHEEL;
        wheel.wheel.y = y;
        wheel.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
        SDL_PushEvent(&wheel);
        EXPECT_EQ(Messages(), Strokes{notches});
    }
}

}  // namespace
}  // namespace cv::platform
