#include "game/world/army_objects.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/language.h"
#include "game/model/army_rules.h"
#include "game/model/game_random.h"
#include "game/model/game_ui.h"
#include "game/world/running_game.h"

namespace cv {
namespace {

// An idle army notices the hero this close; once alerted it chases him as
// long as he stays this close.
constexpr int kNoticeDistance = 2;
constexpr int kChaseDistance = 3;

std::u16string SightingText(const Army& army) {
    std::u16string text = GetText("Your scouts have sighted") + u":\n";
    for (int slot = 0; slot < Army::kSlots; ++slot) {
        if (Ref<Squad> squad = army.At(slot)) {
            text += u" - " + HowManyText(squad->count(), squad->kind()) + u"\n";
        }
    }
    return text;
}

std::u16string WithUnits(const char* textId, const Squad& squad) {
    std::u16string text = GetText(textId);
    ReplacePlaceholder(text, u"<UNITS>", HowManyText(squad.count(), squad.kind()));
    return text;
}

}  // namespace

void ArmyObject::Save(ChunkWriter& out) const {
    MapObj::Save(out);
    out.StoredString(army_->ToText());
}

void ArmyObject::Load(ChunkReader& in, int version) {
    MapObj::Load(in, version);
    army_ = MakeRef<Army>();
    army_->Parse(in.StoredString());
}

void ArmyObject::OnScreenOpen(RunningGame& game) {
    if (!army_->HasUnits()) LeaveMap(game);
}

std::string ArmyObject::MapPicture(const RunningGame& game) const {
    const Location* home = Home(game);
    return home ? home->enemyIcon() : std::string();
}

Location* ArmyObject::Home(const RunningGame& game) const {
    return game.world().Get(continent());
}

void ArmyObject::LeaveMap(RunningGame& game) {
    if (Location* home = Home(game)) home->RemoveObject(this);
}

const MapObjFactory& Enemy::Factory() const {
    return FindFactory("Enemy");
}

bool Enemy::Visit(RunningGame& game) {
    ReportSighting(game);
    return true;
}

void Enemy::ReportSighting(RunningGame& game) {
    Ref<Enemy> self(this);
    Ref<RunningGame> running(&game);
    GameMessage message{SightingText(*army()), game.here().enemyIcon(), "Attack,Cancel", {}, {}};
    Ui().ShowMessage(message, [self, running](const std::string& answer) {
        if (answer == "Attack") self->Attack(*running);
    });
}

// The battle pays its spoils itself; a won one leaves this army empty, and
// it goes when the map comes back. A lost one disgraces the hero.
void Enemy::Attack(RunningGame& game) {
    Ref<RunningGame> running(&game);
    Ui().StartBattle(army(), [running](BattleOutcome outcome) {
        if (outcome == BattleOutcome::kDefeat) running->hero().Disgrace();
    });
}

void Enemy::OnStep(RunningGame& game) {
    if (game.time().timeStop() > 0) return;
    const Cell hero = game.hero().position();
    Location* home = Home(game);
    const int reach = pursuit_ == Pursuit::kIdle ? kNoticeDistance : kChaseDistance;
    if (!home || game.hero().continent() != continent() || Distance(cell(), hero) > reach) {
        pursuit_ = Pursuit::kIdle;
        return;
    }
    if (pursuit_ == Pursuit::kIdle) {
        pursuit_ = Pursuit::kAlerted;
        return;
    }
    const std::optional<Cell> next = ChaseStep(*home, hero);
    if (!next) return;
    if (*next == hero) {
        ReachHero(game);
    } else {
        SetCell(*next);
    }
}

void Enemy::ReachHero(RunningGame& game) {
    if (game.hero().travelMode() == TravelMode::kFly) return;  // out of its reach
    if (pursuit_ == Pursuit::kConfronted) {
        Attack(game);
        return;
    }
    pursuit_ = Pursuit::kConfronted;
    ReportSighting(game);
}

std::optional<Cell> Enemy::ChaseStep(const Location& location, Cell hero) const {
    std::vector<Cell> free = location.UsableNeighbours(cell());
    std::erase_if(free, [&](Cell c) { return location.IsStop(c); });
    if (free.empty()) return std::nullopt;
    int nearest = Distance(free.front(), hero);
    for (Cell c : free) nearest = std::min(nearest, Distance(c, hero));
    std::erase_if(free, [&](Cell c) { return Distance(c, hero) != nearest; });
    return free[RandN(static_cast<int>(free.size()))];
}

const MapObjFactory& Join::Factory() const {
    return FindFactory("Join");
}

bool Join::Visit(RunningGame& game) {
    Ref<Join> self(this);
    LeaveMap(game);
    Ref<Squad> squad = army()->At(0);
    if (!squad) return true;
    GameMessage message{{}, game.here().enemyIcon(), "OK", {}, {}};
    Ref<Hero> hero(&game.hero());
    if (!hero->army().CanTake(squad->kind().id)) {
        message.text = WithUnits("<UNITS> flee in terror at sight your vast army.", *squad);
        Ui().ShowMessage(message, {});
        return true;
    }
    message.text = u"\n" + WithUnits("<UNITS> wish to join you.", *squad);
    message.buttons = "Accept,Cancel";
    Ui().ShowMessage(message, [hero, squad](const std::string& answer) {
        if (answer == "Accept") hero->army().Merge(squad->kind().id, squad->count());
    });
    return true;
}

}  // namespace cv
