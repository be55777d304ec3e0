#pragma once

#include <cstdint>
#include <string>

#include "gui/gui_element.h"

namespace cv {

// A string-named notification or request between elements.
struct Message {
    std::string name;
    std::string text;
    int32_t number = 0;
    Ref<GuiElement> sender;  // may be empty
};

// Gives `to` the message, with `from` as its sender when it has none; false
// without a receiver or when the receiver did not handle it.
bool sendMessage(GuiElement* from, GuiElement* to, Message message);

}  // namespace cv
