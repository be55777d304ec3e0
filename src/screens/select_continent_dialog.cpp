#include "screens/select_continent_dialog.h"

#include <algorithm>
#include <vector>

#include "core/language.h"
#include "game/world/continent_travel.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

constexpr int kButtons = 10;  // one digit names the continent

// The continent an "Item<digit>" button stands for, -1 for any other button.
int ContinentOfButton(const std::string& button) {
    if (button.size() < 5 || button.rfind("Item", 0) != 0) return -1;
    const int digit = button[4] - '0';
    return digit >= 0 && digit < kButtons ? digit : -1;
}

}  // namespace

void SelectContinentDialog::onLoaded() {
    setChildText("Header", GetText("Go to which continent?"), "CC");
    setChildText("Cancel", GetText("Cancel"), "CC");
    const std::vector<int> known = KnownContinents(*game_);
    for (int i = 0; i < kButtons; ++i) {
        GuiElement* button = findChild(Numbered("Item", i));
        if (!button) continue;
        const Location* continent = game_->world().Get(i);
        const bool shown = continent && std::find(known.begin(), known.end(), i) != known.end();
        button->setVisible(shown);
        button->setEnabled(shown);
        if (shown) setChildText(button->name(), GetText(continent->id()), "CC");
    }
}

bool SelectContinentDialog::onMessage(const Message& message) {
    if (message.name != "Button") return AnsweredDialog::onMessage(message);
    const int continent = ContinentOfButton(message.text);
    if (continent >= 0) {
        const Ref<RunningGame> game = game_;
        answer(message.text);
        SailToContinent(*game, continent);
    } else if (message.text == "Cancel") {
        answer("Cancel");
    } else {
        return AnsweredDialog::onMessage(message);
    }
    return true;
}

Ref<Form> SelectContinentScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<SelectContinentDialog>(Ref<RunningGame>(&game), std::move(then));
}

}  // namespace cv
