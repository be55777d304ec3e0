#pragma once

#include <functional>
#include <string>

#include "game/combat/battle.h"

namespace cv {

// The battle of a siege: the castle's walls instead of random rocks, the
// hero's squads before the gate and the garrison behind it, and a victory
// line that the castle's ruler words.
class SiegeBattle : public Battle {
public:
    using VictoryText = std::function<std::u16string(std::u16string)>;

    SiegeBattle(Hero& hero, Ref<Army> garrison, std::string unitOfWeek, const CombatSys& params,
                BattleView& view, OutcomeHandler onEnd, VictoryText victoryText);

protected:
    // Every "TacticsMap" item with the integer keys "CX" and "CY" stands on
    // that cell; nothing else does.
    void PlaceObstacles() override;
    // Slot by slot on fixed cells; empty slots take none.
    void PlaceSide(int side) override;
    std::u16string VictoryLine() const override;

private:
    VictoryText victoryText_;
};

}  // namespace cv
