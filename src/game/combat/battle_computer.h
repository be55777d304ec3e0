#pragma once

#include <vector>

#include "core/ref_counted.h"
#include "game/model/army.h"
#include "game/model/cell.h"

namespace cv {

class Battle;

// Plays the active squad when the player does not: the enemy side, or a hero
// squad out of control; and for the battle tool, the hero's side too. Acts
// once every few ticks, each time for one step.
class ComputerPlayer {
public:
    enum class Role { kEnemySide, kOutOfControl, kHeroSide };
    ComputerPlayer(Battle& battle, Role role) : battle_(battle), role_(role) {}

    // Counts down the delay, then acts once for the active squad.
    void Tick();
    void Act();

private:
    using Squads = std::vector<Ref<Squad>>;
    Squads Targets(const Squad& mover) const;
    Squads AdjacentFoes(const Squad& mover) const;
    Squads ShotCandidates(const Squad& shooter) const;
    bool TryShoot(const Ref<Squad>& shooter);
    void Fly(const Ref<Squad>& flier);
    void Walk(const Ref<Squad>& walker);
    std::vector<Cell> FreeCellsAround(const Squad& target) const;

    Battle& battle_;
    Role role_;
    int countdown_ = 0;
    Ref<Squad> flier_;  // the squad that flew, and the target it flew to
    Ref<Squad> flightTarget_;
};

}  // namespace cv
