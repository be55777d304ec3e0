#include "app/key_codes.h"

#include <strings.h>

#include <map>

#include "app/app_core.h"
#include "platform/messages.h"

namespace cv {
namespace {

// clang-format off
const char* const kKeyNames[kKeyCount] = {
    "None", "Esc", "Enter", "Space", "BS", "Pause", "Print Screen", "Scroll Lock",
    "Up", "Down", "Left", "Right", "PgUp", "PgDown", "Home", "End", "Ins", "Del",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    "Tilda", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=", "\\", "Tab",
    "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]",
    "Caps", "A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'",
    "LShift", "Z", "X", "C", "V", "B", "N", "M", ",", ".", "/", "RShift",
    "LCtrl", "LWin", "LAlt", "RAlt", "RWin", "App", "RCtrl",
    "NumLock", "GraySlash", "GrayMul", "GrayMinus", "GrayPlus", "GrayEnter"};
// clang-format on

// Virtual key to logical code, built at the first key message.
const std::map<int, int>& PlatformKeyMap() {
    static const std::map<int, int> map = [] {
        // clang-format off
        std::map<int, int> m = {
            {27, 1},   {13, 2},   {32, 3},   {8, 4},    {19, 5},   {44, 6},   {145, 7},
            {38, 8},   {40, 9},   {37, 10},  {39, 11},  {33, 12},  {34, 13},  {36, 14},
            {35, 15},  {45, 16},  {46, 17},  {192, 30}, {48, 40},  {189, 41}, {187, 42},
            {220, 43}, {9, 44},   {20, 57},  {219, 55}, {221, 56}, {186, 67}, {222, 68},
            {188, 77}, {190, 78}, {191, 79}, {16, 69},  {17, 81},  {18, 83},  {91, 82},
            {92, 85},  {93, 86},  {144, 88}, {111, 89}, {106, 90}, {109, 91}, {107, 92}};
        // clang-format on
        for (int f = 0; f < 12; ++f) m[112 + f] = 18 + f;
        for (int digit = 1; digit <= 9; ++digit) m['0' + digit] = 30 + digit;
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            m[letter] = KeyCodeByName(std::string(1, letter));
        }
        return m;
    }();
    return map;
}

// Keys that report a press whether they go down or come up.
bool IsPressOnlyKey(int code) {
    return code == kKeyEsc || code == kKeyF1 || code == kKeyF2 || code == kKeyLWin;
}

}  // namespace

bool PressOnlyKeys::Acts(int code, bool down) {
    if (down) {
        down_.set(code);
        return true;
    }
    const bool strokeEnds = down_.test(code);
    down_.reset(code);
    return !strokeEnds;
}

int KeyCodeByName(const std::string& name) {
    for (int code = 0; code < kKeyCount; ++code) {
        if (strcasecmp(kKeyNames[code], name.c_str()) == 0) return code;
    }
    return kNoKey;
}

std::string KeyName(int code) {
    return code >= 0 && code < kKeyCount ? kKeyNames[code] : "";
}

int KeyCodeOfVirtualKey(int virtualKey) {
    const auto& map = PlatformKeyMap();
    auto it = map.find(virtualKey);
    return it == map.end() ? kNoKey : it->second;
}

int VirtualKeyOfKeyName(const std::string& name) {
    int code = KeyCodeByName(name);
    if (code == kNoKey) return -1;
    for (const auto& [virtualKey, mapped] : PlatformKeyMap()) {
        if (mapped == code) return virtualKey;
    }
    return -1;
}

bool TranslateKeyMessage(uint32_t message, uint64_t wParam, int64_t) {
    using namespace platform;
    bool pressed;
    switch (message) {
        case WM_CHAR:
            return TheAppCore()->OnChar(static_cast<char16_t>(wParam & 0xFFFF));
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            pressed = true;
            break;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            pressed = false;
            break;
        default:
            return false;
    }
    int code = KeyCodeOfVirtualKey(static_cast<int>(wParam));
    if (IsPressOnlyKey(code)) {
        // The key-up of a stroke whose key-down already acted is used up.
        if (!TheAppCore()->pressOnlyKeys().Acts(code, pressed)) return true;
        pressed = true;
    }
    if (code == kKeyNone || code == kNoKey) return false;
    return TheAppCore()->OnKey(code, pressed);
}

}  // namespace cv
