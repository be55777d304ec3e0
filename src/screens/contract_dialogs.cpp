#include "screens/contract_dialogs.h"

#include <algorithm>
#include <utility>

#include "core/language.h"
#include "game/model/game_ui.h"
#include "game/world/villain_rules.h"
#include "gui/gui_message.h"

namespace cv {
namespace {

constexpr const char* kChoiceButtons[] = {"Prev", "OK", "Next"};
constexpr std::pair<const char*, const char*> kCaptions[] = {
    {"Prev", "Previous"}, {"OK", "OK"}, {"Next", "Next"}, {"Cancel", "Cancel"}};

}  // namespace

void ContractForm::showVillain(const Villain* villain) {
    Form& form = *this;
    sendToChild(form, "View",
                Message{"SetAnimationID", villain ? villain->AnimationId() : "", 0, nullptr});
    setChildText("Info1", villain ? InfoPage1(*game_, *villain) : u"", "LT");
    setChildText("Info2", villain ? InfoPage2(*villain) : u"", "LT");
}

void SelectContractDialog::onLoaded() {
    setTitle(GetText("Wanted"));
    for (const auto& [widget, caption] : kCaptions) setChildText(widget, GetText(caption), "CC");
    candidates_ = ContractCandidates(game());
    const int contract = game().hero().currentContract();
    const auto current =
        std::find_if(candidates_.begin(), candidates_.end(),
                     [&](const Ref<Villain>& v) { return v->number() == contract; });
    index_ = current == candidates_.end() ? 0 : static_cast<int>(current - candidates_.begin());
    for (const char* button : kChoiceButtons) {
        if (GuiElement* widget = findChild(button)) widget->setEnabled(!candidates_.empty());
    }
    showVillain(shown());
}

const Villain* SelectContractDialog::shown() const {
    return candidates_.empty() ? nullptr : candidates_[index_].get();
}

void SelectContractDialog::step(int direction) {
    const int count = static_cast<int>(candidates_.size());
    index_ = (index_ + direction + count) % count;
    showVillain(shown());
}

bool SelectContractDialog::onMessage(const Message& message) {
    if (message.name != "Button") return ContractForm::onMessage(message);
    const std::string& button = message.text;
    if (button == "Cancel") {
        game().hero().SetCurrentContract(-1);
        answer("Cancel");
    } else if (!shown()) {
        return ContractForm::onMessage(message);
    } else if (button == "OK") {
        game().hero().SetCurrentContract(shown()->number());
        answer("OK");
    } else if (button == "Prev" || button == "Next") {
        step(button == "Next" ? 1 : -1);
    } else {
        return ContractForm::onMessage(message);
    }
    return true;
}

void ContractInfoDialog::onLoaded() {
    setTitle(GetText("Your Contract"));
    setChildText("Cancel", GetText("Close"), "CC");
    showVillain(game().villains().Get(game().hero().currentContract()));
}

bool ContractInfoDialog::onMessage(const Message& message) {
    if (message.name != "Button" || message.text != "Cancel") {
        return ContractForm::onMessage(message);
    }
    answer("Cancel");
    return true;
}

Ref<Form> SelectContractScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<SelectContractDialog>(Ref<RunningGame>(&game), std::move(then));
}

Ref<Form> ContractInfoScreen(RunningGame& game, AnswerHandler then) {
    return MakeRef<ContractInfoDialog>(Ref<RunningGame>(&game), std::move(then));
}

void OpenContractInfo(RunningGame& game) {
    if (game.villains().Get(game.hero().currentContract())) {
        Ui().OpenScreen("ContractInfo", {});
        return;
    }
    Ui().ShowMessage({GetText("No contract selected"), "Img\\UI\\NoContract", "Cancel", {}, {}},
                     {});
}

}  // namespace cv
