#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/model/army.h"
#include "game/model/hero.h"

namespace cv::autoplay {

// A squad as a message shows it: the unit, and the fewest and most units
// the size word ("A few", "Some", ...) stands for.
struct SeenSquad {
    Ref<SquadDef> unit;
    int fewest = 0;
    int most = 0;
};
using SeenArmy = std::vector<SeenSquad>;

// A squad's "<HOW> <UNIT>" text read back; none when it names no unit.
std::optional<SeenSquad> ReadSquad(const std::u16string& text);
// The squads a message lists, one " - <HOW> <UNIT>" line each (the scouts'
// report, a town's news of a castle); other lines are passed over.
SeenArmy ReadArmyLines(const std::u16string& text);

// How hard an army fights: the damage its squads deal a round times the hit
// points it takes to beat them, square-rooted, so that twice the units give
// twice the power. Skill levels weigh in; shooters count some of their shots.
// A seen squad counts as many as the middle of its size word's range.
double Power(const SeenArmy& army);
// One squad's power, by the same measure.
double Power(const SquadDef& unit, int count);
// The hero's own army, as far as it obeys him, with his artifacts' factors.
double Power(const Hero& hero);

}  // namespace cv::autoplay
