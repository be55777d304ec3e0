#pragma once

namespace cv {

// The eight keys the form logic asks about, each bound to one logical key code.
enum GuiKeyRole : int {
    kRoleUp = 0,
    kRoleDown = 1,
    kRoleLeft = 2,
    kRoleRight = 3,
    kRoleEsc = 4,
    kRoleSelect = 5,
    kRoleStart = 6,
    kRoleTab = 7
};
constexpr int kGuiKeyRoles = 8;

// True when `code` is the key bound to `role`.
bool isGuiKey(int role, int code);
int GuiKeyCode(int role);

// Rebinds each role from the CFG key "gui_key_" + role name ("gui_key_select");
// a value that names no key keeps the binding.
void ReadGuiKeys();
// Back to Up, Down, Left, Right, Esc, Space, Enter and Tab.
void ResetGuiKeys();

// Keypad minus and plus step to the previous and the next of whatever a
// screen leafs through (a list's pages, the continents, the villains): -1 and
// 1; 0 for every other key.
int PageStepOfKey(int code);

}  // namespace cv
