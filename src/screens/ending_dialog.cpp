#include "screens/ending_dialog.h"

#include "app/app_core.h"
#include "audio/audio_backend.h"
#include "core/language.h"
#include "gui/gui_message.h"
#include "screens/title_screen.h"

namespace cv {
namespace {

Ref<Form> Ending(RunningGame& game, bool won, AnswerHandler then) {
    auto thenTitle = [then = std::move(then)](const std::string& answer) {
        if (then) then(answer);
        if (TheAppCore()) TheAppCore()->SetScreen(&TitleScreen());
    };
    return MakeRef<EndingDialog>(Ref<Hero>(&game.hero()), won, std::move(thenTitle));
}

}  // namespace

void EndingDialog::onLoaded() {
    std::u16string text =
        GetText(won_ ? "Congratulations, <NAME>. Final Score: <N>" : "<NAME>, you have failed!");
    ReplacePlaceholder(text, u"<NAME>", hero_->NameWithTitle());
    ReplacePlaceholder(text, u"<N>", hero_->Score());
    setChildText("Text", text);
    sendToChild(*this, "Hero", Message{"SetImage", "Img\\Heroes\\" + hero_->classId(), 0, nullptr});
    setChildText("Exit", GetText("Click here to exit"), "CC");
    Audio().Play(won_ ? SoundEvent::Victory : SoundEvent::Defeat);
}

bool EndingDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    answer("Exit");
    return true;
}

Ref<Form> WinnerScreen(RunningGame& game, AnswerHandler then) {
    return Ending(game, true, std::move(then));
}

Ref<Form> FailScreen(RunningGame& game, AnswerHandler then) {
    return Ending(game, false, std::move(then));
}

}  // namespace cv
