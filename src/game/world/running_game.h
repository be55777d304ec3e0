#pragma once

#include <string>

#include "core/saveable_game.h"
#include "game/model/hero.h"
#include "game/model/time_system.h"
#include "game/model/villain.h"
#include "game/world/world.h"

namespace cv {

// One game: the continents, the hero, the time and the villains. A new or loaded game is
// built aside and then made current.
class RunningGame : public RefCounted, public TimeHooks, public SaveableGame {
public:
    RunningGame();
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    // A new game from the rules in Root: the continents, the days of the
    // difficulty ("HardLevels.%d.Days", 600 without), the time, the hero, the
    // hidden sceptre and the villains in their castles.
    static Ref<RunningGame> NewGame(const std::string& classId, std::u16string name, int sex,
                                    int difficulty);

    // The game-data block of a save: "LOCS", "HERO", "TIME", "VILS". Reading
    // replaces the whole game; the rules in Root give what the block leaves
    // out.
    SaveSummary Summary() const override;
    void WriteChunks(ChunkWriter& out) const override;
    void ReadChunks(ChunkReader& in) override;

    Hero& hero() { return *hero_; }
    const Hero& hero() const { return *hero_; }
    TimeSystem& time() { return time_; }
    const TimeSystem& time() const { return time_; }
    World& world() { return world_; }
    const World& world() const { return world_; }
    VillainTable& villains() { return villains_; }
    const VillainTable& villains() const { return villains_; }
    // The continent the hero is on.
    Location& here() const;

    // The boat the hero rents, none without one. A boat knows whether it is
    // his, so that a save can tell.
    const Ref<MapObj>& rentedBoat() const { return rentedBoat_; }
    void SetRentedBoat(Ref<MapObj> boat);

    // Moves the hero and explores around him.
    void PlaceHero(int continent, Cell cell);

    void WeeklyTurn() override;
    bool HasRentedBoat() const override { return static_cast<bool>(rentedBoat_); }
    void GameLost() override;
    void GameWon() override;

private:
    void CheckHeroPlacement(ChunkReader& in) const;

    World world_;
    Ref<Hero> hero_;
    TimeSystem time_;
    VillainTable villains_;
    Ref<MapObj> rentedBoat_;
};

// Moves towns to the spells no town sells, so that every spell is sold
// somewhere while towns last.
void DistributeTownSpells(const World& world);

// Hides the sceptre on a usable cell of a random continent (up to 1000
// tries); fatal "Cant locate Sceptre position" when every try fails.
void HideSceptre(const World& world, Hero& hero);

}  // namespace cv
