#include <gtest/gtest.h>

#include "core/byte_io.h"
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
    test::GameFolder folder;
    World world;
};

TEST_F(LocsChunk, IsLaidOutByteForByteAndLoadsBackEqual) {
    Ref<test::Marker> sign = test::MakeMarker("Sign", {1, 1}, false);
    sign->isStatic = true;
    world.Get(0)->AddObject(sign);
    ByteWriter want;
    want.Bytes("LOCS\0\0\0\0", 8);                   // the sizes are patched in below
    for (uint32_t v : {0, 1}) want.U32(v);           // version, continents
    want.Bytes("loc \0\0\0\0", 8);                   // one continent:
    for (uint32_t v : {0, 1}) want.U32(v);           // version, objects (the static sign left out)
    want.Bytes("Isle\0\0\0\0\0\0\0\0\0\0\0\0", 16);  // the id in a field of 16
    want.U32(4096);
    want.Bytes(world.Get(0)->terrain().bytes().data(), 4096);
    // The object: version, factory, name, cell, then its own byte.
    want.Bytes("\0\x06\0Marker\x01\0M", 12);
    for (uint32_t v : {4, 4}) want.U32(v);
    want.U8(1);
    want.Bytes("Stop", 4);
    for (uint32_t v : {28, 3, 5, 5, 5, 4, 4, 5}) want.U32(v);  // size, count, cells by name
    want.Bytes("Pos0", 4);
    for (uint32_t v : {12, 2, 2, 0}) want.U32(v);  // size, X0, Y0, a static object was there
    want.PatchU32(4, static_cast<uint32_t>(want.size() - 8));
    want.PatchU32(20, static_cast<uint32_t>(want.size() - 24));
    ASSERT_EQ(test::SavedBytes(world), want.bytes());
    world.Get(0)->RemoveObject(sign.get());
    const std::vector<uint8_t> first = test::SavedBytes(world);
    World loaded = test::LoadedWorld(first);
    EXPECT_EQ(test::SavedBytes(loaded), first);
    EXPECT_EQ(loaded.Get(0)->objects()[0]->continent(), 0);
    EXPECT_EQ(loaded.Get(0)->enemyIcon(), "Img\\Army\\Armies.Layer 1");  // from the rules
}

TEST_F(LocsChunk, GapsMissingStopsAndLongIds) {
    Parse(*Root(), "Maps.Isle.Stops { @ }\nMaps { SixteenCharsLong { Index = 2 X0 = 9 Y0 = 8 } }");
    Parse(*Root(), "Maps.SixteenCharsLong { EnemyIcon = e MapIcon = m Map = \"Isle.cvmap\" }");
    world.LoadAll(Root());
    const std::vector<uint8_t> b = test::SavedBytes(world);
    EXPECT_EQ(U32At(b, 12), 3u);
    EXPECT_EQ(TextAt(b, 16 + 4132, 4), "Pos0");  // no "Stop"
    EXPECT_EQ(U32At(b, 16 + 4132 + 16), 1u);     // no static object
    World loaded = test::LoadedWorld(b);
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
        return ErrorOf([&] { test::LoadedWorld(test::Patched(good, at, bytes)); });
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
