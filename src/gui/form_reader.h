#pragma once

#include <optional>
#include <string>

#include "gfx/geometry.h"
#include "gui/form.h"

namespace cv {

// Reads "Forms\" + name + "\form.txt" into the form (a form without a name
// takes this one): its background, colours, widgets and their blocks, tab
// order and default button; pictures are named relative to the form's
// folder. Then the form's onLoaded runs. A missing file fails as resources
// do; an unknown widget type with "Unknown Widget type: %s".
void loadForm(Form& form, const std::string& name);

// "left,top,right,bottom" with both edges included; none when the text does
// not start with four numbers or the edges are the wrong way round.
std::optional<Rect> ParseFormRect(const std::string& text);
// "x,y"; none when the text does not start with two numbers.
std::optional<Point> ParseFormPoint(const std::string& text);

}  // namespace cv
