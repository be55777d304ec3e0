#include "screens/castle_of_king_dialog.h"

#include "core/language.h"
#include "gui/form_reader.h"
#include "gui/gui_message.h"
#include "screens/castle_recruit_dialog.h"
#include "screens/dialog_host.h"
#include "screens/king_audience_dialog.h"

namespace cv {

void CastleOfKingDialog::onLoaded() {
    setTitle(GetText("Castle of King Tharion"));
    sendToChild(*this, "King", Message{"SetImage", kKingPicture, 0, nullptr});
    setChildText("Recruit", GetText("Recruit Soldiers"), "CC");
    setChildText("Audience", GetText("Audience with the King"), "CC");
    setChildText("Exit", GetText("Click to return into game"), "CC");
}

bool CastleOfKingDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    if (message.text == "Recruit") {
        enter(MakeRef<CastleRecruitDialog>(hero_), "CastleRecruit");
    } else if (message.text == "Audience") {
        enter(MakeRef<KingAudienceDialog>(hero_), "KingAudience");
    } else {
        answer("Exit");
    }
    return true;
}

void CastleOfKingDialog::enter(Ref<Form> room, const std::string& formName) {
    auto* host = dynamic_cast<DialogHost*>(parent());
    if (!host) return;
    loadForm(*room, formName);
    host->pushDialog(std::move(room));
}

Ref<Form> CastleOfKingScreen(RunningGame& game, Ref<RefCounted>, AnswerHandler then) {
    return MakeRef<CastleOfKingDialog>(Ref<Hero>(&game.hero()), std::move(then));
}

}  // namespace cv
