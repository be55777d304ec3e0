#pragma once

#include <iosfwd>
#include <string>

#include "game/model/game_ui.h"

namespace cv::tool {

// Battles of one pairing fought one after another on the running random
// sequence, with their tally. The first army is the hero's side, always in
// control; both sides are played by the game's computer player, and every
// message box is answered with its first button.
class BattleSample {
public:
    // A battle with no end after this many rounds counts as undecided.
    static constexpr int kMaxRounds = 200;

    BattleSample(std::string first, std::string second);

    // One battle; with `log`, each round's armies and the outcome.
    void Fight(std::ostream* log);
    // The first army's win share, the mean units each side lost, the mean rounds.
    void PrintSummary(std::ostream& out) const;

private:
    std::string first_, second_;
    int battles_ = 0, wins_ = 0, undecided_ = 0;
    long long firstLost_ = 0, secondLost_ = 0, rounds_ = 0;
};

}  // namespace cv::tool
