#pragma once

#include <string>

#include "game/model/hero.h"
#include "game/world/running_game.h"
#include "game/world/spell_teacher.h"
#include "screens/answered_dialog.h"

namespace cv {

// The teacher of spell casting, form "TeachSpell": his figure "Unit", the
// offer with its price in "Info", "OK" to buy, which stays disabled while
// the hero's gold is short of the price, and "Cancel". A button answers its
// name; Esc answers "Cancel".
class TeachSpellDialog : public AnsweredDialog {
public:
    TeachSpellDialog(Ref<SpellTeacher> teacher, Ref<Hero> hero, AnswerHandler then)
        : AnsweredDialog(std::move(then)), teacher_(std::move(teacher)), hero_(std::move(hero)) {}

    void onLoaded() override;
    bool onMessage(const Message& message) override;

protected:
    std::string escAnswer() const override { return "Cancel"; }

private:
    bool affordable() const { return hero_->gold() >= teacher_->price(); }

    Ref<SpellTeacher> teacher_;
    Ref<Hero> hero_;
};

// The form for the rules' "TeachSpell", about a spell teacher.
Ref<Form> TeachSpellScreen(RunningGame& game, Ref<RefCounted> teacher, AnswerHandler then);

}  // namespace cv
