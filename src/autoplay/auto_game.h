#pragma once

#include <iosfwd>
#include <string>

#include "autoplay/auto_ui.h"

namespace cv::autoplay {

// How one game played by the computer player went.
struct GameReport {
    enum class Outcome { kWon, kLost, kStalled };

    std::string heroClass;
    int difficulty = 0;
    unsigned seed = 0;
    Outcome outcome = Outcome::kStalled;
    int daysUsed = 0;
    int score = 0;
    int villainsCaught = 0;
    BattleTally battles;
    long actions = 0;  // steps and menu commands
    int weeks = 0;     // ended
    int weekChecks = 0;
    std::string saveFault;  // the first save check that failed, which ends the game
};

// Whether every week's end saves the game, loads it into a new game, saves
// that again and compares the two saves, playing on with the loaded game.
enum class SaveChecks { kOff, kEveryWeek };

// "won", "lost", "stalled".
const char* OutcomeName(GameReport::Outcome outcome);

// Far more actions than a game of the longest difficulty takes: reaching
// it is a fault of the player or the rules, reported as a stall.
constexpr long kMostActions = 100'000;

// A whole new game of `heroClass` at `difficulty`, the random sequence
// seeded with `seed`, played by the computer player without drawing until
// the sceptre is found, the days run out, or the actions run out. The rules
// must be loaded (LoadGameRules); everything of the game ends with it. With
// `log`, a line at the end of each week: days, gold, army, villains, puzzle.
GameReport PlayGame(const std::string& heroClass, int difficulty, unsigned seed,
                    long mostActions = kMostActions, std::ostream* log = nullptr,
                    SaveChecks checks = SaveChecks::kOff);

}  // namespace cv::autoplay
