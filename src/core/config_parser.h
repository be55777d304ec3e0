#pragma once

#include <string>

#include "core/dispatcher.h"

namespace cv {

// Reads configuration text into `target`, merging with what it already holds.
// A line the grammar cannot read ends the program with
// "Sintax error in line: %s", "<ERR>" marking the offending character.
void Parse(Dispatcher& target, const std::string& text);

// Blocks (and dotted names) nested deeper than this are a syntax error, so a
// hostile file cannot build a tree too deep to walk.
constexpr int kMaxConfigDepth = 256;

}  // namespace cv
