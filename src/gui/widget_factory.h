#pragma once

#include <string>

#include "gui/gui_element.h"

namespace cv {

// The widget of a form file's type name: "Label", "TextView",
// "TextAutoScroll", "Edit", "Image", "Animation", "ButtonText", "NumField",
// "RadioButton" or "CheckBox"; any other name fails with "Unknown Widget
// type: %s".
Ref<GuiElement> CreateStandardWidget(const std::string& type);

}  // namespace cv
