#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "game/model/spell_lists.h"
#include "screens/answered_dialog.h"

namespace cv {

// A list of spells to choose from ("CombatSpells", "AdventureSpells"): the
// heading "Title", one button a spell (the line prefix and a digit, each
// "name: count"; lines without a spell are hidden), "Cancel", and on some
// lists a section button. Touching a spell answers its id; Cancel or Esc
// answer "Cancel".
class SpellListDialog : public AnsweredDialog {
public:
    static constexpr int kLines = 10;

    // A button that shows something over the list and leaves the list open,
    // so that the player can still choose after looking.
    struct Section {
        std::string widget;
        std::u16string caption;
        std::function<void()> touched;
    };

    SpellListDialog(std::u16string title, std::string linePrefix, std::vector<SpellListItem> items,
                    AnswerHandler then, std::optional<Section> section = std::nullopt)
        : AnsweredDialog(std::move(then)),
          title_(std::move(title)),
          linePrefix_(std::move(linePrefix)),
          items_(std::move(items)),
          section_(std::move(section)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    std::u16string title_;
    std::string linePrefix_;
    std::vector<SpellListItem> items_;
    std::optional<Section> section_;
};

}  // namespace cv
