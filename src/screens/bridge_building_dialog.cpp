#include "screens/bridge_building_dialog.h"

#include <algorithm>

#include "core/language.h"
#include "game/world/bridge_spell.h"
#include "gui/gui_message.h"

namespace cv {

void BridgeBuildingDialog::onLoaded() {
    setTitle(GetText("Build bridge in which direction?"));
    for (const BridgeDirection& direction : kBridgeDirections) {
        setChildText(direction.button, GetText(direction.button));
        if (GuiElement* button = findChild(direction.button)) {
            button->setEnabled(std::find(open_.begin(), open_.end(), direction.button) !=
                               open_.end());
        }
    }
    setChildText("Cancel", GetText("Cancel"));
}

bool BridgeBuildingDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    answer(message.text);
    return true;
}

}  // namespace cv
