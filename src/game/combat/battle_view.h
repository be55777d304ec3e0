#pragma once

#include <string>

#include "game/combat/strike_resolver.h"

namespace cv {

// What the battle screen shows besides the strikes: the active squad's status
// line and the line of messages ("Skip <UNIT>", strike results, prompts).
class BattleView : public StrikeView {
public:
    virtual void ShowStatus(const std::u16string& text) = 0;
    virtual void ShowMessageLine(const std::u16string& text) = 0;
};

// For battles fought with no one watching: the tools' samples and the
// computer player's games.
class SilentBattleView : public BattleView {
public:
    void ShowStatus(const std::u16string&) override {}
    void ShowMessageLine(const std::u16string&) override {}
    void ShowHalf(const Squad&) override {}
    void PlayStrike(const Squad&) override {}
    void MarkRedraw() override {}
};

}  // namespace cv
