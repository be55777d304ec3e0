#pragma once

#include <stdexcept>
#include <string>

#include "core/config_parser.h"
#include "game/world/castle.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "spell_test_rules.h"

namespace cv::test {

// The isle's castles "Redwall" (cells 19..21 x 20..21, out at sea) and
// "Ashkeep" on the bottom row start with "Knights:6"; villain 1 sits in "Dun", the only
// castle of the continent "Far".
inline constexpr const char* kCastleRules = R"(
StartHero { X0 = 2 Y0 = 2 }
Maps.Isle.Enemies.Legends { 1 { Weight = 1 Knights { Count = 3 } } }
Maps.Isle.Castles { Redwall { X = 20 Y = 20 } Ashkeep { X = 10 Y = 0 } }
Maps.Far {
  Index = 1 X0 = 2 Y0 = 2 EnemyIcon = "FarIcon" MapIcon = m
  Enemies { CastleDef = "1" Legends { 1 { Weight = 1 Pikemen { Count = 6 } } } }
  Castles { Dun { X = 10 Y = 20 } }
}
Villains { 1 { Continent = "Far" Reward = 1500 Army = "Militia:30" } })";

class CastlesOnIsle : public KnightOnIsle<> {
protected:
    void SetUp() override { StartOn(kCastleRules); }
    // A new game on the isle and "Far", `rules` added to the test rules and
    // the test spells, which towns sell.
    void StartOn(const std::string& rules) {
        LoadIsleRules();
        Parse(*Root(), rules);
        LoadTestSpells();
        folder.WriteTerrain("Isle", IsleTerrain());
        folder.WriteTerrain("Far", IsleTerrain());
        platform::Srand(1);  // a seed whose sceptre finds the isle's few free cells
        game = RunningGame::NewGame("Knight", u"Arthur", 0, 1);
    }
    Castle& Named(const std::string& name) const {
        for (int i = 0; i < game->world().Count(); ++i) {
            if (Castle* castle = game->world().Get(i)->FindCastle(name)) return *castle;
        }
        throw std::logic_error("no castle " + name);
    }
    Villain& villain() const { return game->villains().Find(1); }
};

}  // namespace cv::test
