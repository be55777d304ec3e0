#pragma once

#include <vector>

#include "game/model/villain.h"
#include "game/world/running_game.h"
#include "screens/answered_dialog.h"

namespace cv {

// A form about one wanted villain: his portrait "View" and the two pages of
// his particulars, "Info1" (name, alias, reward, where he was last seen) and
// "Info2" (features and crimes), under the heading "Title".
class ContractForm : public AnsweredDialog {
public:
    ContractForm(Ref<RunningGame> game, AnswerHandler then)
        : AnsweredDialog(std::move(then)), game_(std::move(game)) {}

protected:
    std::string escAnswer() const override { return "Cancel"; }
    // None clears the portrait and both pages.
    void showVillain(const Villain* villain);
    RunningGame& game() const { return *game_; }

private:
    Ref<RunningGame> game_;
};

// Choosing whom to hunt, form "SelectContract": the villains a town offers
// (ContractCandidates), starting at the current contract; "Prev" and "Next"
// walk them round, "OK" takes the one shown, "Cancel" drops any contract.
// Without candidates only "Cancel" works. Esc leaves the contract as it was.
class SelectContractDialog : public ContractForm {
public:
    using ContractForm::ContractForm;

    void onLoaded() override;
    bool onMessage(const Message& message) override;

    // The villain shown, none without candidates.
    const Villain* shown() const;

private:
    void step(int direction);

    std::vector<Ref<Villain>> candidates_;
    int index_ = 0;
};

// The villain under contract, form "ContractInfo" (empty without one);
// "Cancel" or Esc closes it.
class ContractInfoDialog : public ContractForm {
public:
    using ContractForm::ContractForm;

    void onLoaded() override;
    bool onMessage(const Message& message) override;
};

// The forms for the rules' "SelectContract" and "ContractInfo".
Ref<Form> SelectContractScreen(RunningGame& game, AnswerHandler then);
Ref<Form> ContractInfoScreen(RunningGame& game, AnswerHandler then);

// The contract panel: the villain under contract, or the message "No
// contract selected" when the hero hunts nobody.
void OpenContractInfo(RunningGame& game);

}  // namespace cv
