#pragma once

#include <string>
#include <vector>

#include "gfx/font.h"

namespace cv {

// Breaks a text into lines no wider than `width` pixels: at every line feed,
// and where a line would grow too wide, after its last space, tab, U+FF0C or
// U+3002 (a space or tab there is dropped, the wide punctuation stays), or
// before the character that overflows when there is none. A character wider
// than the width on its own keeps a line of its own.
std::vector<std::u16string> WrapText(const std::u16string& text, const Font& font, int width);

}  // namespace cv
