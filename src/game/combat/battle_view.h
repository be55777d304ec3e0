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

}  // namespace cv
