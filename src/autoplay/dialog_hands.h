#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "autoplay/auto_player.h"
#include "autoplay/errands.h"
#include "gui/form.h"

namespace cv::autoplay {

// What the hands can do on the screen: tap a widget of a form where it
// shows (nothing when it is hidden or disabled), or strike a key.
class Fingers {
public:
    virtual ~Fingers() = default;
    virtual void Tap(Form& form, const std::string& widget) = 0;
    virtual void Key(const std::string& name) = 0;
};

// What the player asked of the adventure screen's buttons and menu, for the
// dialogs they open.
struct Errand {
    std::string menuItem;  // "WeekEnd", "Search", "NewContinent"
    int dismissSlot = -1;
    bool givingUp = false;
};

// The player's hands on the game's dialogs: one tap (or key) a call, each
// as the computer player decides, on the buttons a person would press: the
// answer to a message, a town's services one after the other, the
// recruits counted up with a number field's arrows, the contract and the
// continent chosen, the King's audience and recruiting, the week's budget
// closed. The ending is noted.
class DialogHands {
public:
    DialogHands(RunningGame& game, AutoPlayer& player, Fingers& fingers, Errand& errand)
        : game_(game), player_(player), fingers_(fingers), errand_(errand) {}

    void Handle(Form& dialog);
    // Once every dialog is closed, what was kept for them goes.
    void Forget() { states_.clear(); }
    Ending ending() const { return ending_; }

private:
    bool Message(Form& dialog);
    bool Town(Form& dialog);
    bool Contract(Form& dialog);
    bool Warriors(Form& dialog);
    bool KingsCastle(Form& dialog);
    bool KingsRecruiting(Form& dialog);
    bool Menus(Form& dialog);
    bool Closing(Form& dialog);
    // Steps the number field `field` of `dialog` one arrow towards `count`;
    // false once it shows it.
    bool CountTo(Form& dialog, const std::string& field, int count);

    RunningGame& game_;
    AutoPlayer& player_;
    Fingers& fingers_;
    Errand& errand_;
    Ending ending_ = Ending::kNone;
    // What is kept for a dialog while it is open: the town errands done,
    // the counts chosen, the stage reached, a boat's rent tried.
    struct State {
        std::set<TownErrand> errandsDone;
        std::vector<int> counts;
        int stage = 0;
        bool rentTried = false, rentAffordable = false;
    };
    State& StateOf(const Form& dialog) { return states_[&dialog]; }

    std::map<const Form*, State> states_;  // only ever looked up
};

}  // namespace cv::autoplay
