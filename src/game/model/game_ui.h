#pragma once

#include <functional>
#include <string>

#include "audio/sound_event.h"
#include "game/model/army.h"

namespace cv {

// A message box as the rules ask for it.
struct GameMessage {
    std::u16string text;
    std::string picture;        // image resource, empty for none
    std::string buttons;        // comma-separated: "Continue", "Yes,No"
    std::string name;           // the box's own name where it has one
    std::string justification;  // "LC", "LT", ... empty for the default
};

// The button the player chose ("Yes"), or the button that closed a screen.
using AnswerHandler = std::function<void(const std::string& answer)>;

enum class BattleOutcome { kVictory, kDefeat };

// The only way the rules reach the screens: the screens implement it, tests
// replace it with a scripted fake. Every call returns at once; the rules go on
// in the handler once the player has answered.
class GameUi {
public:
    virtual ~GameUi() = default;
    virtual void ShowMessage(const GameMessage& message, AnswerHandler then) = 0;
    // Opens a named form ("WeekReport", "Fail"); `then` runs when it closes.
    virtual void OpenScreen(const std::string& name, AnswerHandler then) = 0;
    // Opens a named form about one thing of the game: a dwelling's
    // "Warriors", a teacher's "TeachSpell"; the form knows its kind.
    virtual void OpenScreenFor(const std::string& name, Ref<RefCounted> subject,
                               AnswerHandler then) = 0;
    virtual void StartBattle(Ref<Army> enemy, std::function<void(BattleOutcome)> then) = 0;
    // A battle against a castle's garrison, behind its walls; `victoryText`
    // rewords the battle's own victory line.
    virtual void StartSiege(Ref<Army> garrison,
                            std::function<std::u16string(std::u16string)> victoryText,
                            std::function<void(BattleOutcome)> then) = 0;
    // A string-named message for the form on top ("UpdateTimeInfo").
    virtual void NotifyActiveForm(const std::string& message) = 0;
    // False while a dialog, battle or other screen covers the adventure map.
    virtual bool AdventureIsCurrent() const = 0;
    // A sound of the rules' own (a step, a find, a spell); only the screens
    // make it heard.
    virtual void PlaySound(SoundEvent) {}
};

// The screens in use; ends the program when none are attached.
GameUi& Ui();
void SetUi(GameUi* ui);

}  // namespace cv
