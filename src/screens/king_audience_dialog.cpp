#include "screens/king_audience_dialog.h"

#include "core/language.h"
#include "game/model/king_castle.h"
#include "gui/gui_message.h"

namespace cv {

void KingAudienceDialog::onLoaded() {
    setTitle(GetText("King Tharion proclaims"));
    sendToChild(*this, "King", Message{"SetImage", kKingPicture, 0, nullptr});
    setChildText("Exit", GetText("Continue"), "CC");
}

bool KingAudienceDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ScreenDialog::onMessage(message);
    if (heard_) {
        close();
        return true;
    }
    heard_ = true;
    setChildText("Text", KingAudience(*hero_));
    setChildText("Exit", GetText("Return"), "CC");
    return true;
}

}  // namespace cv
