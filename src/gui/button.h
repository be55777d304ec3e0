#pragma once

#include <string>

#include "app/key_codes.h"
#include "gfx/sprite.h"
#include "gui/gui_element.h"

namespace cv {

// What the button kinds share: the visual state driven by stylus, keys and
// timer, the click notification and a hot key.
class Button : public GuiElement {
public:
    enum State : int { kNormal = 0, kSelected = 1, kGrey = 2, kPressed = 3 };

    // Naming a button binds its hot key: the CFG key "ButtonKey" followed by
    // "." and the name of each element from the outermost form inwards.
    void setName(const std::string& name) override;
    // Disabling greys the button; enabling a grey one makes it normal.
    void setEnabled(bool enabled) override;
    bool onPointer(const PointerEvent& event) override;
    // "select" or "start" while focused in key mode, or the hot key: pressed
    // for one timer tick, then clicked.
    bool onKey(int key, bool down) override;
    // "SetJustify" with the code as text.
    bool onMessage(const Message& message) override;
    void onTimer() override;

    // Tells the parent the kind's notification, unless grey.
    virtual void click();
    // The check or radio picture; none for other kinds.
    virtual Ref<Sprite> getPicture() { return nullptr; }

    int state() const { return state_; }
    int countdown() const { return countdown_; }
    int hotKey() const { return hotKey_; }
    const std::string& justification() const { return justification_; }
    void setJustification(const std::string& justification);

protected:
    // "Button"; the check kinds say "RadioCheck".
    virtual const char* notification() const { return "Button"; }
    void setState(int state);
    // A press by stylus or key has come through: heard, then clicked.
    void pressed();
    // The colour slot of the state; a focused normal button in key mode
    // shows as selected.
    int shownState() const;

private:
    int state_ = kNormal;
    int countdown_ = 0;
    std::string justification_ = "LC";
    int hotKey_ = kNoKey;
};

}  // namespace cv
