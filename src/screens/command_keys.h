#pragma once

#include <string>

namespace cv {

// The nine adventure commands: the eight directions and the centre, named by
// the keypad digit where each sits ("7" up-left ... "5" the centre).
constexpr int kCommandCount = 9;
// What CommandOfKey gives for a key bound to no command.
constexpr int kNoCommand = kCommandCount;
constexpr int kCentreCommand = 8;

// The step of a command, y growing upwards; (0, 0) for the centre and for
// numbers outside 0..8.
struct CommandStep {
    int dx = 0;
    int dy = 0;
};
CommandStep StepOfCommand(int command);
// "Img\Arrows\" + the command's arrow picture; empty outside 0..8.
std::string ArrowOfCommand(int command);

// Back to the default keys (Home, Up, PgUp, Left, Right, End, Down, PgDown, Space).
void ResetCommandKeys();
// Rebinds each command from the CFG key "cmd_key_" + its name; a value that
// names no key keeps the binding.
void LoadCommandKeys();
int CommandOfKey(int key);
// The key of a command, or the no-key code outside 0..8.
int KeyOfCommand(int command);
// Empty outside 0..8.
std::string CommandName(int command);
// Ignored outside 0..8.
void SetCommandKey(int command, int key);

// What a key means on a turned screen: a direction command's key becomes the
// key of the opposite direction, a GUI direction key that of the opposite
// role; everything else, and every key on an upright screen, stays.
int TranslateKey(int key);

}  // namespace cv
