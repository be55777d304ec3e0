#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "game/combat/battle_input.h"
#include "game/world/running_game.h"
#include "screens/battle_field_widget.h"
#include "screens/dialog_host.h"

namespace cv {

// The battle screen, form "Tactics": the "BattleField" widget, the active
// squad's line "Status", the line of what happens "Message", and the
// buttons "Spells", "Menu", "Shoot", "Fly" and "Turn". Its timer drives the
// battle; while a dialog covers it the battle waits. Keys: the direction
// commands step or move the target cursor, the centre command waits or
// confirms, Enter confirms, Esc leaves a targeting mode, Tab and Backspace
// (or the next and previous keys) take the next and previous squad, "3"
// opens the combat spells, "I" the army view. Enter outside a targeting mode
// gives the keys to the buttons: up and down walk them, select or Enter press
// one, Esc or a pressed button gives the keys back to the field. Once the
// battle has ended the caller's handler is told, on the next tick, so the
// battle is never destroyed from inside itself.
class BattleForm : public DialogHost, public BattleView {
public:
    using Then = std::function<void(BattleForm& form, BattleOutcome outcome)>;
    // Builds the battle the form runs (a siege); without one it is a plain battle.
    using MakeBattle = std::function<std::unique_ptr<Battle>(
        RunningGame& game, Ref<Army> enemy, BattleView& view, Battle::OutcomeHandler onEnd)>;

    BattleForm(Ref<RunningGame> game, Ref<Army> enemy, Then then, MakeBattle make = {});

    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    // The battle's music plays while it is the screen.
    void Activate(bool active) override;
    void onTimer() override;
    bool onMessage(const Message& message) override;

    Battle& battle() { return *battle_; }
    Ref<Hero> hero() const { return Ref<Hero>(&game_->hero()); }
    BattleInput& input() { return *input_; }
    BattleFieldWidget* field() const { return field_; }

    void ShowStatus(const std::u16string& text) override;
    void ShowMessageLine(const std::u16string& text) override;
    void ShowHalf(const Squad& target) override;
    void StrikeFrom(const Squad& attacker, bool shot) override;
    void PlayStrike(const Squad& target) override;
    void MarkRedraw() override { requestRedraw(); }

protected:
    bool onOwnPointer(const PointerEvent& event) override;
    bool onOwnKey(int key, bool down) override;

private:
    bool battleKey(int key);
    void takeButtons();
    void showCursor(std::optional<Cell> over);
    void showTargetCursor();
    void updateButtons();
    void setChildText(const std::string& child, const std::u16string& text);

    Ref<RunningGame> game_;
    Ref<Army> enemy_;
    Then then_;
    MakeBattle make_;
    std::unique_ptr<Battle> battle_;
    std::unique_ptr<BattleInput> input_;
    BattleFieldWidget* field_ = nullptr;
    std::optional<Cell> pressed_;
    std::optional<BattleOutcome> outcome_;
    bool told_ = false;
};

}  // namespace cv
