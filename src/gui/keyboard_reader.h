#pragma once

#include <string>
#include <vector>

#include "gui/keyboard_keys.h"

namespace cv {

// One layer of the virtual keyboard. Its keys run row by row; a null entry
// ends a row.
struct KeyboardPartition {
    std::u16string name;
    std::string mode;  // empty: the default mode
    std::vector<Ref<KeyboardKey>> keys;
    Size size;
};

// Reads a keyboard definition: UTF-16LE text after a byte order mark, one
// definition a line ("{name}", "[" character keys, "*Space", "*BS", "*EOL",
// "*Switch", "#" or "@" mode keys; ";" comments). Fails with "Expected
// Unicode text file for VKbd definition" without the mark and with "Expected
// partition definition {}" for a key before the first partition or a file
// without any.
std::vector<KeyboardPartition> ReadKeyboardFile(const std::string& bytes);

}  // namespace cv
