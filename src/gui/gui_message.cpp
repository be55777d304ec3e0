#include "gui/gui_message.h"

namespace cv {

bool sendMessage(GuiElement* from, GuiElement* to, Message message) {
    if (!to) return false;
    if (!message.sender) message.sender = from;
    // The receiver may drop the last other reference to itself while it reacts.
    Ref<GuiElement> keep(to);
    return to->onMessage(message);
}

}  // namespace cv
