#include "screens/command_keys.h"

#include <array>

#include "app/app_globals.h"
#include "app/key_codes.h"
#include "core/settings.h"
#include "gui/gui_keys.h"

namespace cv {
namespace {

struct CommandDef {
    const char* name;
    int defaultKey;
    CommandStep step;
    const char* arrow;
};

constexpr std::array<CommandDef, kCommandCount> kCommands = {{
    {"7", kKeyHome, {-1, 1}, "7"},
    {"8", kKeyUp, {0, 1}, "8"},
    {"9", kKeyPgUp, {1, 1}, "9"},
    {"4", kKeyLeft, {-1, 0}, "4"},
    {"6", kKeyRight, {1, 0}, "6"},
    {"1", kKeyEnd, {-1, -1}, "1"},
    {"2", kKeyDown, {0, -1}, "2"},
    {"3", kKeyPgDown, {1, -1}, "3"},
    {"5", kKeySpace, {0, 0}, "stop"},
}};

std::array<int, kCommandCount>& Keys() {
    static std::array<int, kCommandCount> keys = [] {
        std::array<int, kCommandCount> defaults{};
        for (int i = 0; i < kCommandCount; ++i) defaults[i] = kCommands[i].defaultKey;
        return defaults;
    }();
    return keys;
}

bool IsCommand(int command) {
    return command >= 0 && command < kCommandCount;
}

// The role of the opposite direction for a GUI direction key, or -1.
int OppositeRole(int key) {
    constexpr std::pair<int, int> kOpposites[] = {{kRoleUp, kRoleDown},
                                                  {kRoleDown, kRoleUp},
                                                  {kRoleLeft, kRoleRight},
                                                  {kRoleRight, kRoleLeft}};
    for (const auto& [role, opposite] : kOpposites) {
        if (isGuiKey(role, key)) return opposite;
    }
    return -1;
}

}  // namespace

CommandStep StepOfCommand(int command) {
    return IsCommand(command) ? kCommands[command].step : CommandStep{};
}

std::string ArrowOfCommand(int command) {
    return IsCommand(command) ? std::string("Img\\Arrows\\") + kCommands[command].arrow : "";
}

void ResetCommandKeys() {
    for (int i = 0; i < kCommandCount; ++i) Keys()[i] = kCommands[i].defaultKey;
}

void LoadCommandKeys() {
    for (int i = 0; i < kCommandCount; ++i) {
        const std::string setting = std::string("cmd_key_") + kCommands[i].name;
        if (!CfgHas(setting)) continue;
        const int key = KeyCodeByName(CfgGet(setting, ""));
        if (key != kNoKey) Keys()[i] = key;
    }
}

int CommandOfKey(int key) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (Keys()[i] == key) return i;
    }
    return kNoCommand;
}

int KeyOfCommand(int command) {
    return IsCommand(command) ? Keys()[command] : kNoKey;
}

std::string CommandName(int command) {
    return IsCommand(command) ? kCommands[command].name : "";
}

void SetCommandKey(int command, int key) {
    if (IsCommand(command)) Keys()[command] = key;
}

int TranslateKey(int key) {
    if (!(DisplayFlags() & kFlipScreen)) return key;
    // The eight directions are listed so that the opposite of c is 7 - c.
    const int command = CommandOfKey(key);
    if (command < kCentreCommand) return KeyOfCommand(7 - command);
    const int opposite = OppositeRole(key);
    return opposite < 0 ? key : GuiKeyCode(opposite);
}

}  // namespace cv
