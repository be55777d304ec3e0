#include "game/world/running_game.h"

#include "core/dispatcher_access.h"
#include "core/fatal_error.h"
#include "core/language.h"
#include "game/model/game_random.h"
#include "game/model/game_ui.h"
#include "game/model/spell_distribution.h"
#include "game/world/boat.h"
#include "game/world/castle_rulers.h"
#include "game/world/spell_teacher.h"
#include "game/world/villain_rules.h"

namespace cv {

RunningGame::RunningGame() : hero_(MakeRef<Hero>()), time_(*hero_, *this) {}

Ref<RunningGame> RunningGame::NewGame(const std::string& classId, std::u16string name, int sex,
                                      int difficulty) {
    auto game = MakeRef<RunningGame>();
    game->world_.LoadAll(Root());
    int32_t days = 600;
    if (Value* value = FindValue(Root(), "HardLevels." + std::to_string(difficulty) + ".Days")) {
        value->GetInt(days);
    }
    game->time_.Init(Root());
    game->time_.SetDaysLeft(days);
    Hero& hero = game->hero();
    hero.Create(classId, std::move(name), sex, difficulty);
    HideSceptre(game->world_, hero);
    game->PlaceHero(0, hero.start());
    game->villains_.Load(Root());
    PlaceVillains(*game);
    DistributeTownSpells(game->world_);
    DismissTeacherOfCaster(*game);
    return game;
}

SaveSummary RunningGame::Summary() const {
    return {hero_->name(),       GetText(hero_->title()), hero_->classId(),
            hero_->difficulty(), time_.daysLeft(),        time_.week()};
}

void RunningGame::WriteChunks(ChunkWriter& out) const {
    world_.Save(out);
    hero_->Save(out);
    time_.Save(out);
    villains_.Save(out);
}

void RunningGame::ReadChunks(ChunkReader& in) {
    rentedBoat_ = nullptr;
    // Castles held by villains know them by number; the table answers.
    villains_.Load(Root());
    world_.Load(in, Root());
    ReconnectVillains(world_, villains_);
    rentedBoat_ = FindRentedBoat(world_);
    hero_->Load(in);
    CheckHeroPlacement(in);
    time_.Load(in, Root());
    villains_.LoadState(in);
}

// The hero and the sceptre must stand on continents the save holds.
void RunningGame::CheckHeroPlacement(ChunkReader& in) const {
    if (!world_.Get(hero_->continent()) || !IsOnContinent(hero_->position())) {
        in.Corrupted("Invalid hero position");
    }
    if (!world_.Get(hero_->sceptreContinent()) || !IsOnContinent(hero_->sceptreCell())) {
        in.Corrupted("Invalid sceptre position");
    }
}

Location& RunningGame::here() const {
    Location* location = world_.Get(hero_->continent());
    if (!location) FatalError("Invalid continent index %d", hero_->continent());
    return *location;
}

void RunningGame::SetRentedBoat(Ref<MapObj> boat) {
    MarkRentedBoat(rentedBoat_.get(), false);
    rentedBoat_ = std::move(boat);
    MarkRentedBoat(rentedBoat_.get(), true);
}

void RunningGame::PlaceHero(int continent, Cell cell) {
    hero_->MoveTo(continent, cell);
    here().Reveal(cell);
}

void RunningGame::WeeklyTurn() {
    for (int i = 0; i < world_.Count(); ++i) {
        if (Location* location = world_.Get(i)) location->OnNewWeek(*this);
    }
}

void RunningGame::GameLost() {
    Ui().OpenScreen("Fail", {});
}
void RunningGame::GameWon() {
    Ui().OpenScreen("Winner", {});
}

void DistributeTownSpells(const World& world) {
    std::vector<Town*> towns;
    std::vector<TownSpell> spells;
    for (int i = 0; i < world.Count(); ++i) {
        const Location* location = world.Get(i);
        for (const Ref<Town>& town : location ? location->towns() : std::vector<Ref<Town>>{}) {
            towns.push_back(town.get());
            spells.push_back({town->name(), town->spell()});
        }
    }
    DistributeSpells(spells);
    for (size_t i = 0; i < towns.size(); ++i) towns[i]->SetSpell(spells[i].spell);
}

void HideSceptre(const World& world, Hero& hero) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        int continent = RandN(world.Count());
        int y = RandN(kContinentSize);
        int x = RandN(kContinentSize);
        Location* location = world.Get(continent);
        if (location && location->IsUsable({x, y})) {
            hero.SetSceptre(continent, {x, y});
            return;
        }
    }
    FatalError("Cant locate Sceptre position");
}

}  // namespace cv
