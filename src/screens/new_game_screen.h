#pragma once

#include <string>

#include "gui/virtual_keyboard.h"
#include "screens/dialog_host.h"

namespace cv {

// The new-game screen, form "NewGame": the chosen class's portrait "Hero"
// and name "Title", the name entry "Hero Name" (an edit, with the on-screen
// keyboard behind "VKbd"), the check box "RandMaps", one row a difficulty
// level ("Difficulty<d>", "Days<d>", "Score<d>"), and the buttons "Info",
// "Start Game" (only with a name) and "Exit" (back to the hero choice).
class NewGameForm : public DialogHost {
public:
    // The name is longest when it is this many characters.
    static constexpr size_t kMaxNameLength = 63;

    void onLoaded() override;
    bool onMessage(const Message& message) override;
    // The captions, the class, the name's button and the difficulty rows.
    void refresh() override;
    // Shown for a newly chosen class: its portrait and name.
    void Activate(bool active) override;
    // The on-screen keyboard lies over the widgets it covers.
    GuiElement* hitTest(Point point) override;

    bool randomMaps() const { return randomMaps_; }
    bool keyboardShown() const;

protected:
    bool onOwnPointer(const PointerEvent& event) override;

private:
    void takeName();
    void showKeyboard();
    void showLevels();
    void showLevelCell(const std::string& name, const std::u16string& text, bool chosen);
    void startGame();

    bool randomMaps_ = false;
    Ref<VirtualKeyboard> keyboard_;
};

// The difficulty a radio stands for: the last character of its name as a
// digit 0..4; any other character gives 1.
int DifficultyOfRadio(const std::string& name);

// The one new-game screen, read from its form file on first use.
NewGameForm& NewGameScreen();

}  // namespace cv
