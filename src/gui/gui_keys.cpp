#include "gui/gui_keys.h"

#include <array>
#include <string>

#include "app/key_codes.h"
#include "core/settings.h"

namespace cv {
namespace {

constexpr std::array<const char*, kGuiKeyRoles> kRoleNames = {"up",  "down",   "left",  "right",
                                                              "esc", "select", "start", "tab"};
constexpr std::array<int, kGuiKeyRoles> kDefaultKeys = {kKeyUp,  kKeyDown,  kKeyLeft,  kKeyRight,
                                                        kKeyEsc, kKeySpace, kKeyEnter, kKeyTab};

std::array<int, kGuiKeyRoles>& Bindings() {
    static std::array<int, kGuiKeyRoles> bindings = kDefaultKeys;
    return bindings;
}

}  // namespace

bool isGuiKey(int role, int code) {
    return GuiKeyCode(role) == code;
}

int GuiKeyCode(int role) {
    return role >= 0 && role < kGuiKeyRoles ? Bindings()[role] : kNoKey;
}

void ReadGuiKeys() {
    for (int role = 0; role < kGuiKeyRoles; ++role) {
        const std::string key = std::string("gui_key_") + kRoleNames[role];
        if (!CfgHas(key)) continue;
        const int code = KeyCodeByName(CfgGet(key, ""));
        if (code != kNoKey) Bindings()[role] = code;
    }
}

void ResetGuiKeys() {
    Bindings() = kDefaultKeys;
}

int PageStepOfKey(int code) {
    return code == kKeyGrayMinus ? -1 : code == kKeyGrayPlus ? 1 : 0;
}

}  // namespace cv
