#include "autoplay/auto_game.h"

#include <memory>
#include <ostream>
#include <utility>

#include "autoplay/auto_player.h"
#include "autoplay/object_moves.h"
#include "autoplay/save_check.h"
#include "autoplay/sceptre_search.h"
#include "platform/runtime_rand.h"

namespace cv::autoplay {
namespace {

void LogWeek(std::ostream& log, const RunningGame& game) {
    const Hero& hero = game.hero();
    log << "  week " << game.time().week() << ": days left " << game.time().daysLeft()
        << ", continent " << hero.continent() << ", gold " << hero.gold() << ", level "
        << hero.level() << ", army " << hero.army().ToText() << ", villains "
        << hero.villainsCaught().size() << ", pieces " << ReadPuzzle(game).size() << "\n";
}

// The game in play and the player at it. After a save check the loaded
// copy takes the original's place, and the player goes over to it.
struct Table {
    explicit Table(Ref<RunningGame> newGame)
        : game(std::move(newGame)),
          player(std::make_unique<AutoPlayer>(*game)),
          ui(std::make_unique<AutoUi>(*game, *player)) {}

    void PlayOnWith(Ref<RunningGame> copy) {
        auto next = std::make_unique<AutoPlayer>(*copy, *player, ObjectMoves(*game, *copy));
        battlesBefore = Battles();
        ui.reset();  // the screens of one game at a time
        ui = std::make_unique<AutoUi>(*copy, *next);
        player = std::move(next);
        game = std::move(copy);
        // As the adventure screen does on a loaded game.
        game->here().OnScreenOpen(*game);
    }

    BattleTally Battles() const {
        return {battlesBefore.won + ui->battles().won, battlesBefore.lost + ui->battles().lost};
    }

    Ref<RunningGame> game;
    std::unique_ptr<AutoPlayer> player;
    std::unique_ptr<AutoUi> ui;
    BattleTally battlesBefore;  // fought in the games left for their copies
};

// False, with the fault in the report, when the loaded save saves
// differently or cannot be read.
bool CheckWeek(Table& table, GameReport& report) {
    SaveCheck check = CheckSave(*table.game);
    ++report.weekChecks;
    report.saveFault = std::move(check.fault);
    if (!report.saveFault.empty()) return false;
    table.PlayOnWith(std::move(check.loaded));
    return true;
}

}  // namespace

const char* OutcomeName(GameReport::Outcome outcome) {
    switch (outcome) {
        case GameReport::Outcome::kWon:
            return "won";
        case GameReport::Outcome::kLost:
            return "lost";
        case GameReport::Outcome::kStalled:
            return "stalled";
    }
    return "stalled";
}

GameReport PlayGame(const std::string& heroClass, int difficulty, unsigned seed, long mostActions,
                    std::ostream* log, SaveChecks checks) {
    platform::Srand(seed);
    Table table(RunningGame::NewGame(heroClass, u"Auto", 0, difficulty));
    const int days = table.game->time().daysLeft();
    // The adventure screen opens on the new game.
    table.game->here().OnScreenOpen(*table.game);

    GameReport report;
    report.heroClass = heroClass;
    report.difficulty = difficulty;
    report.seed = seed;
    while (report.actions < mostActions) {
        table.ui->Settle();
        table.player->ForgetIntentions();
        const bool disturbed = table.ui->TakeShownSince();
        if (table.game->time().week() != report.weeks) {
            report.weeks = table.game->time().week();
            if (log) LogWeek(*log, *table.game);
            if (checks == SaveChecks::kEveryWeek && !CheckWeek(table, report)) break;
        }
        if (table.player->ending() != Ending::kNone) break;
        table.player->Act(disturbed);
        ++report.actions;
    }
    table.ui->Settle();
    const RunningGame& game = *table.game;
    const Ending ending = table.player->ending();
    if (ending == Ending::kWon) report.outcome = GameReport::Outcome::kWon;
    if (ending == Ending::kLost) report.outcome = GameReport::Outcome::kLost;
    report.daysUsed = days - game.time().daysLeft();
    report.weeks = game.time().week();
    report.score = game.hero().Score();
    report.villainsCaught = static_cast<int>(game.hero().villainsCaught().size());
    report.battles = table.Battles();
    return report;
}

}  // namespace cv::autoplay
