#pragma once

#include <string>

#include "gfx/font.h"
#include "gfx/geometry.h"

namespace cv {

// Fonts kept by name until exit; start-up registers "Default" and "Small".
void RegisterFont(const std::string& name, Ref<Font> font);
// Null when no font has that name.
Font* FindFont(const std::string& name);
void ResetFonts();

// Draws the text in the current painter's colour, placed in the rectangle by a
// two-letter justification: "L", "C" or "R" across, then "T" (or anything
// else), "C" or "B" down. A null font means "Default"; without a current
// painter or any font nothing is drawn.
void drawTextIn(const std::u16string& text, const Rect& rect, const std::string& justification,
                Font* font);

// Where drawTextIn puts a text of `size`.
Point JustifiedPosition(Size size, const Rect& rect, const std::string& justification);

}  // namespace cv
