#pragma once

#include <vector>

#include "game/model/spell_lists.h"
#include "screens/answered_dialog.h"

namespace cv {

// A list of spells to choose from, form "CombatSpells": the heading "Title",
// one button a spell ("CItem0".."CItem9", each "name: count"), "Cancel".
// Touching a spell answers its id; Cancel or Esc answer "Cancel".
class SpellListDialog : public AnsweredDialog {
public:
    static constexpr int kLines = 10;

    SpellListDialog(std::u16string title, std::vector<SpellListItem> items, AnswerHandler then)
        : AnsweredDialog(std::move(then)), title_(std::move(title)), items_(std::move(items)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    std::u16string title_;
    std::vector<SpellListItem> items_;
};

}  // namespace cv
