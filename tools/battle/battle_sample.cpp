#include "battle/battle_sample.h"

#include <iomanip>
#include <optional>
#include <ostream>

#include "game/combat/battle.h"
#include "game/combat/combat_sys.h"

namespace cv::tool {
namespace {

class AnsweringUi : public GameUi {
public:
    AnsweringUi() { SetUi(this); }
    ~AnsweringUi() override { SetUi(nullptr); }
    void ShowMessage(const GameMessage& message, AnswerHandler then) override {
        if (then) then(message.buttons.substr(0, message.buttons.find(',')));
    }
    void OpenScreen(const std::string&, AnswerHandler then) override {
        if (then) then("OK");
    }
    void OpenScreenFor(const std::string&, Ref<RefCounted>, AnswerHandler then) override {
        if (then) then("OK");
    }
    void StartBattle(Ref<Army>, std::function<void(BattleOutcome)>) override {}
    void StartSiege(Ref<Army>, std::function<std::u16string(std::u16string)>,
                    std::function<void(BattleOutcome)>) override {}
    void NotifyActiveForm(const std::string&) override {}
    bool AdventureIsCurrent() const override { return true; }
};

int Units(const Army& army) {
    int units = 0;
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = army.At(slot)) units += squad->count();
    }
    return units;
}

// No week favours anyone.
constexpr const char* kNoUnitOfWeek = "";
// Beyond any army's need, so the hero's side never runs out of control.
constexpr int kBoundlessLeadership = 1 << 28;

}  // namespace

BattleSample::BattleSample(std::string first, std::string second)
    : first_(std::move(first)), second_(std::move(second)) {}

void BattleSample::Fight(std::ostream* log) {
    AnsweringUi ui;
    SilentBattleView view;
    Ref<Hero> hero = MakeRef<Hero>();
    hero->army().Parse(first_);
    hero->AddLeadershipBonus(kBoundlessLeadership);
    Ref<Army> enemy = MakeRef<Army>();
    enemy->Parse(second_);
    const int firstUnits = Units(hero->army()), secondUnits = Units(*enemy);

    std::optional<BattleOutcome> outcome;
    Battle battle(*hero, enemy, kNoUnitOfWeek, CombatParams(), view,
                  [&](BattleOutcome result) { outcome = result; });
    ComputerPlayer heroSide(battle, ComputerPlayer::Role::kHeroSide);
    battle.Start();
    int shownRound = 0;
    while (!outcome && battle.round() <= kMaxRounds) {
        if (log && battle.round() != shownRound) {
            shownRound = battle.round();
            *log << "Round " << shownRound << ": " << hero->army().ToText() << " | "
                 << enemy->ToText() << "\n";
        }
        if (battle.sideToAct() == Battle::kHeroSide && battle.PlayerMayAct()) {
            heroSide.Tick();
        } else {
            battle.Tick();
        }
    }
    ++battles_;
    wins_ += outcome == BattleOutcome::kVictory;
    undecided_ += !outcome;
    const int firstLost = firstUnits - Units(hero->army()),
              secondLost = secondUnits - Units(*enemy);
    firstLost_ += firstLost;
    secondLost_ += secondLost;
    rounds_ += battle.round();
    if (!log) return;
    const char* result = !outcome                             ? "undecided"
                         : outcome == BattleOutcome::kVictory ? "the first army wins"
                                                              : "the second army wins";
    *log << "Outcome: " << result << " after " << battle.round() << " rounds; lost: " << firstLost
         << " and " << secondLost << " units\n";
}

void BattleSample::PrintSummary(std::ostream& out) const {
    const double n = battles_ > 0 ? battles_ : 1;
    out << std::fixed << std::setprecision(1) << first_ << " against " << second_ << ": "
        << battles_ << " battles, the first army wins " << 100.0 * wins_ / n << "%";
    if (undecided_ > 0) out << " (" << undecided_ << " undecided)";
    out << "; mean losses " << firstLost_ / n << " and " << secondLost_ / n << " units; mean "
        << rounds_ / n << " rounds\n";
}

}  // namespace cv::tool
