#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "game/world/terrain_kinds.h"
#include "game/world/world.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "spell_test_rules.h"
#include "world_test_support.h"

namespace cv {
namespace {

const char* const kIsle = R"(
Artifacts { @ A1 { Map = Isle } }
Maps {
  Isle {
    Index = 0 X0 = 2 Y0 = 2 EnemyIcon = "Img\Army\Armies.Layer 1" MapIcon = "Img\Inv\A5"
    Enemies {
      StdDef = "0"
      Legends { 0 { Weight = 1 Militia { Count = 4 } } 1 { Weight = 1 Knights { Count = 2 } } }
    }
    Signs { 1 { Text = "Welcome" X = 0 Y = 5 } }
    Towns { Ford { X = 3 Y = 5 Castle = Keep Spell = LightingSpell } }
    Castles { Keep { X = 1 Y = 4 } }
    Armies { Guard { X = 4 Y = 2 } Elite { X = 5 Y = 2 Def = "1" } }
    Bonuses { 1 { X = 0 Y = 3 } 2 { X = 1 Y = 3 } }
    Misc {
      Hut { Type = "WarriorsSource" Units = "Archers" X = 1 Y = 2 }
      King { Type = "KingsCastle" X = 4 Y = 4 }
      Sage { Type = "TeachSpells" Cost = 5000 X = 5 Y = 3 }
    }
    Stops { 1 { X = 5 Y = 4 } }
  }
}
)";

class ContinentReading : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadRules(std::string(test::kTestRules) + kIsle);
        LoadTerrainKinds(Root());
        test::LoadTestSpells();
        folder.WriteTerrain("Isle", test::IsleTerrain());
    }
    test::GameFolder folder;
    World world;
};

TEST_F(ContinentReading, EveryKindOfNodeAndItsWayThroughASave) {
    Parse(*Root(), "Maps.Isle.BonusDef { JoinMin = 1 JoinMax = 1 }");
    // Seed 2: the two cells always swap; the band's legend is the sixth
    // draw, r = 19650, rand_n(2) = 1.
    platform::Srand(2);
    world.LoadAll(Root());
    world.Get(0)->FindTown("Ford")->SetVisited(true);
    // The old name of the lightning spell is mended as it is read.
    const std::string objects =
        "Town 3,5 Keep LightningSpell visited Ford; Castle 1,4 Keep; Enemy 5,2 Knights:2 Elite; "
        "Enemy 4,2 Militia:4 Guard; Art 1,3 A1; "
        "Join 0,3 Knights:2; Recr 1,2 Archers Hut; King 4,4 King; TeachSpell 5,3 5000 Sage; ";
    EXPECT_EQ(test::Layout(*world.Get(0)), "Sign 0,5 Welcome; " + objects);
    EXPECT_EQ(world.Get(0)->TerrainAt({1, 2}), 5);  // the Archers' forest
    EXPECT_TRUE(world.Get(0)->IsStop({5, 4}));

    // The sign comes from the rules, never from the save; a continent saved
    // without it loses it again.
    const std::vector<uint8_t> saved = test::SavedBytes(world);
    Parse(*Root(), "Maps.Isle.Signs.1.Text = Farewell");
    World loaded = test::LoadedWorld(saved);
    EXPECT_EQ(test::Layout(*loaded.Get(0)), "Sign 0,5 Farewell; " + objects);
    EXPECT_EQ(test::SavedBytes(loaded), saved);
    loaded.Get(0)->RemoveObject(loaded.Get(0)->objects()[0].get());
    EXPECT_EQ(test::Layout(*test::LoadedWorld(test::SavedBytes(loaded)).Get(0)), objects);
}

TEST_F(ContinentReading, BonusesNeedABonusDefAndMiscTypesAndTownSpellsAreKnown) {
    world.LoadAll(Root());
    EXPECT_EQ(world.Get(0)->objects().size(), 8u);  // no artifact, no band
    Parse(*Root(), "Maps.Isle.Misc.Hut.Type = Shed");
    EXPECT_EQ(test::ErrorOf([&] { world.LoadAll(Root()); }), "Unknown Map Object Type: Shed");
    Parse(*Root(), "Maps.Isle.Misc.Hut.Type = WarriorsSource");
    Parse(*Root(), "Maps.Isle.Towns.Ford.Spell = Fog");
    EXPECT_EQ(test::ErrorOf([&] { world.LoadAll(Root()); }),
              "Invalid spell id=<Fog> in town <Ford>");
}

}  // namespace
}  // namespace cv
