#pragma once

#include "game/world/running_game.h"
#include "screens/adventure_view.h"
#include "screens/battle_screen.h"
#include "screens/command_keys.h"
#include "screens/dialog_host.h"

namespace cv {

// The adventure screen, form "Game": the view spanned by the markers "A1"
// (top-left cell) and "E5" (bottom-right cell), the cells "B2".."D4" around
// the hero that step him when tapped, the status line "Status", the travel
// buttons "Fly" and "Land", the buttons "Info", "Towns", "Castles", "Map",
// "Menu" and the information panels "Villain", "WeaponInfo", "SpellInfo",
// "MapPieces", "GoldInfo". Each game has its own (see GameSession).
class AdventureForm : public DialogHost {
public:
    explicit AdventureForm(Ref<RunningGame> game) : game_(std::move(game)) {}

    RunningGame& game() const { return *game_; }
    const AdventureView& view() const { return view_; }

    // The information panels besides the screens' own widget kinds.
    Ref<GuiElement> createWidget(const std::string& type) override;
    void onLoaded() override;
    // Each time the map is shown again, its continent's objects react to it
    // (a beaten army leaves) and the map's music plays.
    void Activate(bool active) override;
    void drawBackground() override;
    void onTimer() override;
    bool onMessage(const Message& message) override;
    // Keeps the status and the travel buttons in step with the game.
    void Update() override;
    void refresh() override;

    // Moves the focus through the buttons (left, right) or the panels (up,
    // down) once one of them has it; Tab puts it on the buttons, Esc takes
    // it off so that the direction keys walk again.
    bool navigate(int key) override;

    // One step of the hero by a command (0..8); then the status and the
    // travel buttons follow, unless a dialog or another screen took over.
    void stepHero(int command);
    void updateStatus();
    void updateTravelIndicator();

    // Shows the battle of the hero's army against `enemy`; once it has ended
    // the map comes back and `then` learns the outcome.
    void startBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then,
                     BattleForm::MakeBattle make = {});
    // Where the rules' messages show: the battle while one runs, else the map.
    DialogHost& front();

    // The command of the cell held now, none when no cell is held.
    int heldCommand() const { return held_ ? command_ : kNoCommand; }
    bool statusHeld() const { return statusHeld_; }

protected:
    bool onOwnPointer(const PointerEvent& event) override;
    bool onOwnKey(int key, bool down) override;

private:
    // Opens the hero's information, army view, spells, contract or puzzle
    // that the message asks for.
    bool showInformation(const Message& message);
    void press(const PointerEvent& event);
    void moveHeld(const PointerEvent& event);
    void liftStylus();
    void showArrow();
    // Which group holds the focus: 0 the buttons, 1 the panels, -1 neither.
    int focusedGroup() const;
    void stepFocus(int group, int step);

    Ref<RunningGame> game_;
    Ref<BattleForm> battle_;
    AdventureView view_;
    int command_ = kNoCommand;
    bool held_ = false;
    bool inside_ = false;
    Rect heldCell_;
    bool statusHeld_ = false;
    // Where the travel buttons were last brought in step with the hero.
    Cell shownCell_{-1, -1};
    int shownContinent_ = -1;
};

// The adventure screen of the game in play; there must be one.
AdventureForm& AdventureScreen();

// The adventure screen's step of the hero by a command (0..8).
void StepHero(int command);
// The status line: the time text, right-aligned.
void UpdateStatus();
// "Fly" while the hero is not flying (enabled when he can take off), "Land"
// while he flies (enabled where he can land).
void UpdateTravelIndicator();
// The in-game menu over the adventure screen.
void ShowGameMenu();

}  // namespace cv
