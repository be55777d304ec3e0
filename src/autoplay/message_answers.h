#pragma once

#include <optional>
#include <string>
#include <vector>

#include "autoplay/army_estimate.h"
#include "game/model/game_ui.h"

namespace cv::autoplay {

// The values of a message template's placeholders ("<NAME>") when some line
// of `text` begins as the template reads (each placeholder stands for text
// within a line); none when no line does.
std::optional<std::vector<std::u16string>> MatchTemplate(const std::u16string& text,
                                                         const std::u16string& templ);

// What the player has in mind when a question comes, and what he makes of
// what the messages tell him.
class Judge {
public:
    enum class Plan { kLaySiege, kSearch, kGiveUp, kDismiss };

    virtual ~Judge() = default;
    // The scouts' report of an army: fight it now?
    virtual bool WantsFight(const SeenArmy& enemy) = 0;
    // A band offers to join.
    virtual bool WantsRecruits(const SeenSquad& band) = 0;
    // A treasure offers leadership or gold.
    virtual bool PrefersLeadership() = 0;
    // The player meant to do this when he asked for the question.
    virtual bool Intends(Plan plan) = 0;
    // A town's news of a castle, or a look at it: who holds it and what
    // stands in it (empty when the news lists nobody).
    virtual void LearnCastle(const std::u16string& castleName, const SeenArmy& garrison) = 0;
};

// The button the player presses for a message: every question the rules
// ask is answered by what it says and what the judge thinks of it; a
// message that only informs is closed with its first button.
std::string AnswerMessage(const GameMessage& message, Judge& judge);

}  // namespace cv::autoplay
