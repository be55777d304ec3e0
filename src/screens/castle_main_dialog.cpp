#include "screens/castle_main_dialog.h"

#include "gui/gui_message.h"
#include "screens/castle_page.h"
#include "screens/screen_subject.h"
#include "screens/screen_widgets.h"

namespace cv {

Ref<GuiElement> CastleMainDialog::createWidget(const std::string& type) {
    return CreateScreenWidget(type);
}

void CastleMainDialog::onLoaded() {
    const Ref<CastlePage> first = CastlePage::Open(CastlePage::Kind::kGarrison, castle_, hero_);
    sendMessage(first.get(), this, Message{"NewSubForm", "", 0, nullptr});
}

// Leaving the last page leaves the castle.
bool CastleMainDialog::onMessage(const Message& message) {
    Ref<CastleMainDialog> keep(this);
    const bool handled = SubFormHost::onMessage(message);
    if (message.name == "Button" && message.text == "Exit" && stack().empty()) {
        if (parent()) parent()->removeChild(this);
        AnswerHandler then = std::move(then_);
        then_ = nullptr;
        if (then) then("Exit");
    }
    return handled;
}

Ref<Form> CastleMainScreen(RunningGame& game, Ref<RefCounted> castle, AnswerHandler then) {
    return MakeRef<CastleMainDialog>(SubjectOf<Castle>(castle, "CastleMain"),
                                     Ref<Hero>(&game.hero()), std::move(then));
}

}  // namespace cv
