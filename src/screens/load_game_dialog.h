#pragma once

#include <vector>

#include "core/save_info.h"
#include "game/model/game_ui.h"
#include "screens/dialog_host.h"
#include "screens/screen_widgets.h"

namespace cv {

// The saved games, form "LoadGame": "Title", the list "GamesList" turned by
// "PgUp" and "PgDown", the chosen save's "Status" and portrait "Hero", and
// the buttons "Start Game" (loads it and shows the adventure screen),
// "Erase" (asks first) and "Cancel". Without saves only "No one save files
// found" is shown. The newest save comes first. A save that cannot be read is
// listed as damaged, still to be erased; loading it, or one whose game data
// turns out damaged, only answers "This saved game is damaged and cannot be
// loaded." and the game in play, if any, goes on.
class LoadGameDialog : public ScreenDialog {
public:
    void onLoaded() override;
    bool onMessage(const Message& message) override;

    const std::vector<SaveEntry>& entries() const { return entries_; }
    // The entry chosen in the list, or null.
    const SaveEntry* current() const;

private:
    void readSaves();
    void showList();
    void showPaging();
    void showCurrent();
    void askToErase();
    void showMessage(const GameMessage& message, AnswerHandler then);
    // Marks the entry damaged and tells the player.
    void refuseDamaged(int index);
    void eraseCurrent();
    void startGame();

    std::vector<SaveEntry> entries_;
};

// What "Status" shows of a save: days left, difficulty, date and language,
// one a line.
std::u16string SaveStatusText(const SaveEntry& entry);

// Opens the list of saves over `host`.
void ShowLoadGame(DialogHost& host);

}  // namespace cv
