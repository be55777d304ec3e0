#include "screens/teach_spell_dialog.h"

#include "core/language.h"
#include "game/model/game_text.h"
#include "gui/gui_message.h"
#include "screens/screen_subject.h"

namespace cv {

void TeachSpellDialog::onLoaded() {
    sendToChild(*this, "Unit", Message{"SetAnimationID", "Army:Gnomes", 0, nullptr});
    std::u16string offer = GetText("Buy secrets of spell casting for <N>");
    ReplacePlaceholder(offer, u"<N>", GroupedNumber(teacher_->price()));
    setChildText("Info", offer);
    setChildText("OK", GetText("OK"));
    setChildText("Cancel", GetText("Cancel"));
    if (GuiElement* ok = findChild("OK")) ok->setEnabled(affordable());
}

bool TeachSpellDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    if (message.text == "Cancel" || (message.text == "OK" && affordable())) {
        answer(message.text);
        return true;
    }
    return AnsweredDialog::onMessage(message);
}

Ref<Form> TeachSpellScreen(RunningGame& game, Ref<RefCounted> teacher, AnswerHandler then) {
    return MakeRef<TeachSpellDialog>(SubjectOf<SpellTeacher>(teacher, "TeachSpell"),
                                     Ref<Hero>(&game.hero()), std::move(then));
}

}  // namespace cv
