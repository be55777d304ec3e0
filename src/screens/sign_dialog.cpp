#include "screens/sign_dialog.h"

#include "core/language.h"
#include "game/world/signpost.h"
#include "gui/gui_message.h"
#include "screens/screen_subject.h"

namespace cv {

SignDialog::SignDialog(std::u16string text, AnswerHandler then)
    : AnsweredDialog(std::move(then)), text_(std::move(text)) {
    setName("CurSign");
}

void SignDialog::onLoaded() {
    setChildText("Header", GetText("A sign reads:"), "CC");
    setChildText("Text", text_);
    setChildText("Cancel", GetText("Close"));
}

bool SignDialog::onMessage(const Message& message) {
    if (message.name != "Button" || message.text != "Cancel") {
        return AnsweredDialog::onMessage(message);
    }
    answer("Cancel");
    return true;
}

Ref<Form> SignScreen(RunningGame&, Ref<RefCounted> sign, AnswerHandler then) {
    return MakeRef<SignDialog>(GetText(SubjectOf<Signpost>(sign, "Sign")->name()), std::move(then));
}

}  // namespace cv
