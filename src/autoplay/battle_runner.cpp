#include "autoplay/battle_runner.h"

#include <memory>
#include <optional>
#include <stdexcept>

#include "game/combat/battle.h"
#include "game/combat/combat_sys.h"
#include "game/combat/siege_battle.h"

namespace cv::autoplay {
namespace {

// Far beyond any battle that someone is still fighting: a round takes a few
// hundred ticks at most.
constexpr long kMostTicks = 2'000'000;

}  // namespace

BattleOutcome FightOut(RunningGame& game, Ref<Army> enemy,
                       std::function<std::u16string(std::u16string)> victoryText,
                       const BattleWatch& watch) {
    SilentBattleView view;
    std::optional<BattleOutcome> outcome;
    auto ended = [&outcome](BattleOutcome result) { outcome = result; };
    const std::string& week = game.time().unitOfWeek();
    std::unique_ptr<Battle> battle =
        victoryText
            ? std::make_unique<SiegeBattle>(game.hero(), std::move(enemy), week, CombatParams(),
                                            view, ended, std::move(victoryText))
            : std::make_unique<Battle>(game.hero(), std::move(enemy), week, CombatParams(), view,
                                       ended);
    ComputerPlayer heroSide(*battle, ComputerPlayer::Role::kHeroSide);
    battle->Start();
    int roundAsked = 0;
    for (long tick = 0; !outcome; ++tick) {
        if (tick > kMostTicks) throw std::logic_error("a battle that never ends");
        if (watch.answerOne()) continue;
        if (battle->finished()) continue;  // its last message is being answered
        if (battle->round() != roundAsked) {
            roundAsked = battle->round();
            if (watch.givesUp(roundAsked)) battle->GiveUp();
            continue;
        }
        if (battle->PlayerMayAct()) {
            heroSide.Act();
        } else {
            battle->Tick();
        }
    }
    return *outcome;
}

}  // namespace cv::autoplay
