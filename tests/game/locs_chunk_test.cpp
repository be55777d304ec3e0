#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "game/world/world.h"
#include "game_test_support.h"
#include "test_marker.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::TextAt;
using test::U32At;

class LocsChunk : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadIsleRules();
        folder.WriteTerrain("Isle", test::IsleTerrain());
        world.LoadAll(Root());
        world.Get(0)->Reveal({2, 2});
        world.Get(0)->AddObject(test::MakeMarker("M", {4, 4}, true));
    }
    static World Loaded(const std::vector<uint8_t>& bytes) {
        World loaded;
        test::ReadBytes(bytes, [&](ChunkReader& in) { loaded.Load(in, Root()); });
        return loaded;
    }
    test::GameFolder folder;
    World world;
};

TEST_F(LocsChunk, RecordsAreLaidOutByteForByte) {
    Ref<test::Marker> sign = test::MakeMarker("Sign", {1, 1}, false);
    sign->isStatic = true;
    world.Get(0)->AddObject(sign);
    const std::vector<uint8_t> b = test::SavedBytes(world);
    EXPECT_EQ(TextAt(b, 0, 4), "LOCS");
    EXPECT_EQ(U32At(b, 4), b.size() - 8);
    EXPECT_EQ(U32At(b, 8), 0u);
    EXPECT_EQ(U32At(b, 12), 1u);
    const size_t loc = 16;
    EXPECT_EQ(TextAt(b, loc, 4), "loc ");
    EXPECT_EQ(U32At(b, loc + 4), b.size() - loc - 8);
    EXPECT_EQ(U32At(b, loc + 12), 1u);  // the static sign is left out
    EXPECT_EQ(TextAt(b, loc + 16, 16), std::string("Isle") + std::string(12, '\0'));
    EXPECT_EQ(U32At(b, loc + 32), 4096u);
    EXPECT_EQ(b[loc + 36 + (63 - 3) * 64 + 6], 0x83);  // bridge water, unexplored
    EXPECT_EQ(b[loc + 36 + (63 - 2) * 64 + 2], 0x01);  // explored grass
    const size_t object = loc + 4132;
    EXPECT_EQ(TextAt(b, object, 12), std::string("\0\x06\0Marker\x01\0M", 12));
    EXPECT_EQ(U32At(b, object + 12), 4u);
    EXPECT_EQ(U32At(b, object + 16), 4u);
    EXPECT_EQ(b[object + 20], 1);
    const size_t stop = object + 21;
    EXPECT_EQ(TextAt(b, stop, 4), "Stop");
    EXPECT_EQ(U32At(b, stop + 4), 28u);
    EXPECT_EQ(U32At(b, stop + 8), 3u);
    EXPECT_EQ(U32At(b, stop + 12), 5u);  // (5,5) first: the stops in name order
    const size_t pos0 = stop + 36;
    EXPECT_EQ(TextAt(b, pos0, 4), "Pos0");
    const uint32_t entry[] = {12, 2, 2, 0};  // size, X0, Y0, a static object was there
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(U32At(b, pos0 + 4 + 4 * i), entry[i]) << i;
    EXPECT_EQ(pos0 + 20, b.size());
}

TEST_F(LocsChunk, LoadingGivesBackEqualContinentsGapsIncluded) {
    const std::vector<uint8_t> first = test::SavedBytes(world);
    World loaded = Loaded(first);
    EXPECT_EQ(test::SavedBytes(loaded), first);
    const Location& isle = *loaded.Get(0);
    EXPECT_EQ(isle.objects()[0]->continent(), 0);
    EXPECT_TRUE(isle.IsStop({4, 5}));
    EXPECT_TRUE(isle.terrain().IsExplored({2, 2}));
    EXPECT_EQ(isle.enemyIcon(), "Img\\Army\\Armies.Layer 1");  // from the rules

    // Without stops, with an empty slot and an id that fills its field.
    Parse(*Root(), "Maps.Isle.Stops { @ }\nMaps { SixteenCharsLong { Index = 2 X0 = 9 Y0 = 8 } }");
    Parse(*Root(), "Maps.SixteenCharsLong { EnemyIcon = e MapIcon = m Map = \"Isle.cvmap\" }");
    world.LoadAll(Root());
    const std::vector<uint8_t> b = test::SavedBytes(world);
    EXPECT_EQ(U32At(b, 12), 3u);
    EXPECT_EQ(TextAt(b, 16 + 4132, 4), "Pos0");  // no "Stop"
    EXPECT_EQ(U32At(b, 16 + 4132 + 16), 1u);     // no static object
    loaded = Loaded(b);
    EXPECT_FALSE(loaded.Get(1));
    EXPECT_EQ(loaded.Get(2)->entry(), (Cell{9, 8}));
    EXPECT_EQ(test::SavedBytes(loaded), b);
    Parse(*Root(), "Maps { SixteenCharsLongX { Index = 1 X0 = 9 Y0 = 8 EnemyIcon = e } }");
    Parse(*Root(), "Maps.SixteenCharsLongX { MapIcon = m Map = \"Isle.cvmap\" }");
    world.LoadAll(Root());
    EXPECT_EQ(ErrorOf([&] { test::SavedBytes(world); }), "Too long location id=SixteenCharsLongX");
}

TEST_F(LocsChunk, DamagedChunksGiveTheSaveFormatError) {
    const std::vector<uint8_t> good = test::SavedBytes(world);
    auto errorWith = [&](size_t at, const std::string& bytes) {
        return ErrorOf([&] { Loaded(test::Patched(good, at, bytes)); });
    };
    const std::string corrupted = test::kCorrupted;
    EXPECT_EQ(errorWith(0, "SCOL"), corrupted + "Expected tag LOCS");
    EXPECT_EQ(errorWith(8, "\x01"), "Invalid object version 00000001: Locations");
    EXPECT_EQ(errorWith(12, "\x11"), corrupted + "Too many continents");
    EXPECT_EQ(errorWith(13, "\x10"), corrupted + "Record count does not fit");
    EXPECT_EQ(errorWith(16, "LOC "), corrupted + "Expected tag loc ");
    EXPECT_EQ(errorWith(24, "\x07"), "Invalid object version 00000007: Location #0");
    EXPECT_EQ(errorWith(28, "\xFF\xFF\xFF"), corrupted + "Record count does not fit");
    EXPECT_EQ(errorWith(32, "Else"), "'Object <Maps.Else> not found in global Root");
    EXPECT_EQ(errorWith(48, "\x01"), corrupted + "Invalid map size");
    EXPECT_EQ(errorWith(16 + 4132 + 3, "Nope  "), "Not found MapObj factory for <Nope  >");
    EXPECT_EQ(errorWith(16 + 4132 + 2, "\x01"), corrupted + "Stored string too long");
    EXPECT_EQ(errorWith(16 + 4153 + 4, "\xFF"), corrupted + "Sub-record does not fit in its place");
    EXPECT_EQ(errorWith(16 + 4153 + 8, "\xFF"), corrupted + "Invalid number of stops");
    // An unknown sub-record is skipped by its size.
    EXPECT_EQ(errorWith(16 + 4153, "Skip"), "no error");
}

}  // namespace
}  // namespace cv
