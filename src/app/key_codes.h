#pragma once

#include <bitset>
#include <cstdint>
#include <string>

namespace cv {

// Logical key codes 0..93; 94 means no key.
constexpr int kKeyCount = 94;
constexpr int kNoKey = 94;

enum KeyCode : int {
    kKeyNone = 0,
    kKeyEsc = 1,
    kKeyEnter = 2,
    kKeySpace = 3,
    kKeyBackspace = 4,
    kKeyUp = 8,
    kKeyDown = 9,
    kKeyLeft = 10,
    kKeyRight = 11,
    kKeyPgUp = 12,
    kKeyPgDown = 13,
    kKeyHome = 14,
    kKeyEnd = 15,
    kKeyF1 = 18,
    kKeyF2 = 19,
    kKey3 = 33,
    kKeyTab = 44,
    kKeyLWin = 82,
    kKeyGrayMinus = 91,
    kKeyGrayPlus = 92,
};

// The code of the first table name equal to `name`, ignoring case; 94 if none.
int KeyCodeByName(const std::string& name);

// The table name of a code 0..93 (empty for other codes).
std::string KeyName(int code);

// The logical code a handheld virtual key gives, or 94.
int KeyCodeOfVirtualKey(int virtualKey);

// A virtual key that gives the named key, or -1 when no key produces it.
int VirtualKeyOfKeyName(const std::string& name);

// Esc, F1, F2 and LWin act on their key-up too, for buttons that send only the
// release; a desktop keyboard sends both, so the shell remembers which of them
// went down and lets that stroke's key-up pass without acting again.
class PressOnlyKeys {
public:
    // True when this down or up of a press-only key is to act as a press.
    bool Acts(int code, bool down);

private:
    std::bitset<kKeyCount> down_;
};

// Turns key and character messages into OnKey/OnChar calls on the application.
// True when the message was a key message that the application handled.
bool TranslateKeyMessage(uint32_t message, uint64_t wParam, int64_t lParam);

}  // namespace cv
