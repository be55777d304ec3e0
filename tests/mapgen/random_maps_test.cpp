#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core_test_support.h"
#include "game/model/spell_system.h"
#include "game/world/terrain_kinds.h"
#include "game/world/world.h"
#include "mapgen/coastline.h"
#include "mapgen/continent_builder.h"
#include "mapgen/map_names.h"
#include "mapgen/placements.h"
#include "mapgen/random_maps.h"
#include "mapgen/terrain_classes.h"
#include "mapgen/tile_choice.h"
#include "platform/runtime_rand.h"

namespace cv::mapgen {
namespace {

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The rules' terrain kinds: what the hero may walk on and where a boat sails;
// and the spells, which the towns of a loaded set sell.
const TerrainKindTable& RulesTerrain() {
    static const bool loaded = [] {
        Ref<Dispatcher> rules = MakeRef<Dispatcher>();
        Parse(*rules, FileText(CORVANTH_RULES_FILE));
        LoadTerrainKinds(rules.get());
        Spells().Load(rules.get());
        return true;
    }();
    (void)loaded;
    return TerrainKinds();
}

// Walks the finished tiles from `start` in all eight directions, around the towns.
bool WalkableToSea(const MapGrid& grid, GridPos start, const std::vector<GridPos>& towns) {
    const TerrainKindTable& kinds = RulesTerrain();
    std::vector<GridPos> open = {start};
    std::vector<bool> seen(kGridSize * kGridSize);
    seen[start.a * kGridSize + start.b] = true;
    while (!open.empty()) {
        const GridPos at = open.back();
        open.pop_back();
        for (int da = -1; da <= 1; ++da) {
            for (int db = -1; db <= 1; ++db) {
                const GridPos next{at.a + da, at.b + db};
                const TerrainKind& kind = kinds[grid.At(next)];
                if (kind.Has(kTerrainSwim)) return true;
                if (!kind.Has(kTerrainWalk) || seen[next.a * kGridSize + next.b] ||
                    std::count(towns.begin(), towns.end(), next)) {
                    continue;
                }
                seen[next.a * kGridSize + next.b] = true;
                open.push_back(next);
            }
        }
    }
    return false;
}

void ExpectEveryPlaceReachable(const ContinentLayout& layout) {
    std::vector<GridPos> places = layout.treasureSpots;
    for (const auto& list : {layout.armies, layout.towns}) {
        places.insert(places.end(), list.begin(), list.end());
    }
    if (layout.spellTeacher) places.push_back(*layout.spellTeacher);
    for (GridPos place : places) {
        EXPECT_TRUE(RulesTerrain()[layout.grid.At(place)].Has(kTerrainWalk));
        EXPECT_TRUE(WalkableToSea(layout.grid, place, layout.towns)) << place.a << "," << place.b;
        EXPECT_EQ(std::count(places.begin(), places.end(), place), 1);
    }
    for (GridPos castle : layout.castles) {
        const GridPos gate{castle.a, castle.b + 1};
        EXPECT_EQ(layout.grid.At(gate), kCastleGate);
        EXPECT_EQ(std::count(places.begin(), places.end(), gate), 0);
        EXPECT_TRUE(WalkableToSea(layout.grid, gate, layout.towns)) << gate.a << "," << gate.b;
    }
}

TEST(RandomMaps, EveryContinentKeepsItsPlanAndLeavesEverythingReachableFromTheSea) {
    for (unsigned seed : {0u, 1u, 4242u, 5959u, 31337u, 123456789u}) {
        for (int index = 0; index < kContinentCount; ++index) {
            SCOPED_TRACE("seed " + std::to_string(seed) + " continent " + std::to_string(index));
            const ContinentPlan& plan = ContinentPlans()[index];
            const ContinentLayout layout = BuildContinent(index, seed);
            EXPECT_EQ(layout.castles.size(), size_t(plan.CastleCount()));
            EXPECT_EQ(layout.treasureSpots.size(), size_t(plan.treasureSpots));
            EXPECT_EQ(layout.armies.size(), size_t(plan.armies));
            EXPECT_EQ(layout.towns.size(), size_t(plan.towns));
            EXPECT_EQ(layout.spellTeacher.has_value(), plan.HasKingsCastle());
            EXPECT_LE(layout.grid.Count([](uint8_t cell) { return cell != kWater; }),
                      LandTarget(plan));
            // Every tile is a terrain kind of the rules.
            EXPECT_EQ(
                layout.grid.Count([](uint8_t cell) { return RulesTerrain()[cell].colour == 0; }),
                0);
            ExpectEveryPlaceReachable(layout);
        }
    }
}

// The town cells are ours to place; they come after every draw whose order is
// fixed, so each step turns out as it would with no towns at all.
TEST(RandomMaps, TownsLeaveEveryOtherDrawAsItWould) {
    for (int index = 0; index < kContinentCount; ++index) {
        SCOPED_TRACE("continent " + std::to_string(index));
        const ContinentPlan& plan = ContinentPlans()[index];
        ContinentPlan noTowns = plan;
        noTowns.towns = 0;
        ContinentLayout byHand;
        platform::Srand(4242);
        PlaceCastles(plan, byHand);
        RaiseLand(plan, byHand);
        Erode(byHand.grid, LandTarget(plan));
        RemoveThinWater(byHand.grid);
        PlaceObjects(noTowns, byHand);
        SpreadClasses(plan, byHand.grid);
        FreeCastleGates(byHand.grid);
        OpenAccess(byHand);
        SmoothClasses(byHand.grid);
        ReleaseReserved(byHand.grid);
        ChooseTiles(byHand.grid);

        const ContinentLayout built = BuildContinent(index, 4242);
        EXPECT_EQ(built.castles, byHand.castles);
        EXPECT_EQ(built.treasureSpots, byHand.treasureSpots);
        EXPECT_EQ(built.spellTeacher, byHand.spellTeacher);
        EXPECT_EQ(built.armies, byHand.armies);
        EXPECT_TRUE(built.grid == byHand.grid);
        EXPECT_TRUE(byHand.towns.empty());
    }
}

class GeneratedSet : public ::testing::Test {
protected:
    test::ScratchDir dir;
    std::string folder = dir / "CVMRG";
};

// The set written into the game folder itself, where the world finds it.
TEST_F(GeneratedSet, ASeedRepeatsTheWholeSetWhichTheWorldLoads) {
    const std::string game = dir.str().substr(0, dir.str().size() - 1);

    std::filesystem::create_directory(dir / "again");
    ASSERT_TRUE(GenerateRandomMaps(game, 777));
    ASSERT_TRUE(GenerateRandomMaps(dir / "again", 777));
    const std::string ini = FileText(dir / "map.ini");
    EXPECT_EQ(ini.rfind("; Modifications of CV.ini\nMaps {\n", 0), 0u);
    EXPECT_EQ(ini, FileText(dir / "again/map.ini"));
    for (int index = 0; index < kContinentCount; ++index) {
        const std::string name = std::string("/Terr/") + NamesOf(index).id + ".cvmap";
        const std::string bytes = FileText(game + name);
        EXPECT_EQ(bytes.size(), 4096u);
        EXPECT_EQ(bytes, FileText(dir / "again" + name));
        // Grid row b is game row 63 - b: the top row comes first.
        const ContinentLayout layout = BuildContinent(index, 777);
        const TerrainMap::Bytes expected = TerrainBytes(layout.grid);
        EXPECT_EQ(bytes, std::string(expected.begin(), expected.end()));
        EXPECT_EQ(static_cast<uint8_t>(bytes[5 * 64 + 7]), layout.grid.At(7, 5));
    }

    Ref<Dispatcher> root = MakeRef<Dispatcher>();
    Parse(*root, ini);
    EXPECT_NE(FindValue(root.get(), "Maps.Galdris.Towns.Highbarrow.Castle"), nullptr);
    EXPECT_EQ(FindNode(root.get(), "Maps.Ashfall.Misc.Velmire"), nullptr);
    ASSERT_NE(FindNode(root.get(), "Maps.Thornmere.Misc.KingsCastle"), nullptr);
    test::UseFolderAsGame(dir);
    RulesTerrain();
    World world;
    ASSERT_NO_THROW(world.LoadAll(root.get()));
    ASSERT_EQ(world.Count(), kContinentCount);
    for (int index = 0; index < kContinentCount; ++index) {
        EXPECT_EQ(world.Get(index)->id(), NamesOf(index).id);
    }
    int32_t x = 0, y = 0;
    ASSERT_TRUE(FindValue(root.get(), "StartHero.X0")->GetInt(x));
    ASSERT_TRUE(FindValue(root.get(), "StartHero.Y0")->GetInt(y));
    EXPECT_EQ(world.Get(0)->TerrainAt({x, y}), kCastleGate);
    EXPECT_TRUE(world.Get(0)->KindAt({x, y}).Has(kTerrainWalk));
}

TEST_F(GeneratedSet, AFolderThatCannotHoldMapIniGetsNothingWritten) {
    EXPECT_FALSE(GenerateRandomMaps(folder, 1));
    EXPECT_FALSE(std::filesystem::exists(folder));
    // A terrain file that cannot be written is no success either.
    std::filesystem::create_directory(folder);
    dir.Write("CVMRG/Terr", "a file where the folder should be");
    EXPECT_FALSE(GenerateRandomMaps(folder, 1));
    EXPECT_TRUE(dir.Has("CVMRG/map.ini"));
}

}  // namespace
}  // namespace cv::mapgen
