#include <gtest/gtest.h>

#include "core/byte_io.h"
#include "game/model/hero.h"
#include "game_test_support.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::kCorrupted;

// A 16-bit length, then the bytes.
void Stored(ByteWriter& out, const std::string& text) {
    out.U16(static_cast<uint16_t>(text.size()));
    out.Bytes(text.data(), text.size());
}

class HeroChunk : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadRules(test::kTestRules);
        hero->Create("Knight", u"Ana\u00EFs", 1, 2);
        hero->SetTravelMode(TravelMode::kSail);
        hero->SetSiegeWeapons(true);
        hero->SetCanUseSpells(true);
        hero->AddGold(12345 - 7500);
        hero->MoveTo(1, {33, 44});
        hero->SetSceptre(3, {7, 61});
        hero->AddKnownContinent(2);
        hero->SetCompleteMap(1);
        hero->SetCurrentContract(5);
        hero->CatchVillain(11);
        hero->CatchVillain(-2);
        hero->AddArtifact("A1");
        hero->AddFollowersKilled(77);
        hero->spells().Add("FireballSpell", 2);
        hero->spells().Add("LightingSpell", 1);  // the older spelling
    }
    static Ref<Hero> Loaded(const std::vector<uint8_t>& bytes) {
        auto loaded = MakeRef<Hero>();
        test::ReadBytes(bytes, [&](ChunkReader& in) { loaded->Load(in); });
        return loaded;
    }
    test::FakeUi ui;
    Ref<Hero> hero = MakeRef<Hero>();
};

TEST_F(HeroChunk, IsLaidOutByteForByteAndLoadsBackEqual) {
    ByteWriter want;
    want.Bytes("HERO\0\0\0\0", 8);                 // the size is patched in below
    want.U32(0);                                   // version
    want.U32(1u | 1u << 4 | 1u << 30 | 1u << 31);  // sex, sailing, siege weapons, spells
    // Difficulty, levels, leadership, commissions, gold, spells, villains needed
    // (2 less the two caught), followers killed, boat rent, 0, contract (cleared
    // by the catch), continent.
    for (int v : {2, 0, 2, 100, 0, 100, 1000, 250, 0, 12345, 0, 0, 0, 77, 300, 0, -1, 1}) {
        want.I32(v);
    }
    // Known and mapped continents, position, start, villains, artifacts, sceptre.
    for (uint16_t v : {5, 2, 33, 44, 10, 12, 2, 1, 7, 61}) want.U16(v);
    for (int v : {3, 0, 0}) want.I32(v);
    want.U16(5);
    for (char16_t c : std::u16string(u"Ana\u00EFs")) want.U16(c);
    for (const char* text : {"Knight", "Squire", "Militia"}) Stored(want, text);
    for (int v : {11, -2}) want.I32(v);
    Stored(want, "A1");
    Stored(want, "Militia:20,Archers:2");
    want.Bytes("SPLS", 4);
    for (uint32_t v : {47, 0, 2}) want.U32(v);
    Stored(want, "FireballSpell");
    want.I32(2);
    Stored(want, "LightningSpell");  // saved under today's spelling
    want.I32(1);
    want.PatchU32(4, static_cast<uint32_t>(want.size() - 8));
    ASSERT_EQ(test::SavedBytes(*hero), want.bytes());
    Ref<Hero> loaded = Loaded(want.bytes());
    EXPECT_EQ(test::SavedBytes(*loaded), want.bytes());
    EXPECT_EQ(loaded->damageFactor().mul, 3);  // not saved: recomputed from "A1"
}

TEST_F(HeroChunk, DamagedChunksGiveTheSaveFormatError) {
    const std::vector<uint8_t> good = test::SavedBytes(*hero);
    auto errorWith = [&](size_t at, const std::string& bytes) {
        return ErrorOf([&] { Loaded(test::Patched(good, at, bytes)); });
    };
    const std::string corrupted = kCorrupted;
    const size_t spells = good.size() - 55;
    EXPECT_EQ(errorWith(0, "HERX"), corrupted + "Expected tag HERO");
    EXPECT_EQ(errorWith(8, "\x01"), "Invalid object version 00000001: Main Hero");
    EXPECT_EQ(errorWith(4, "\xFF\xFF"), corrupted + "Chunk HERO does not fit in its place");
    EXPECT_EQ(errorWith(12, "\x31"), corrupted + "Invalid travel mode");
    EXPECT_EQ(errorWith(20, "\x09"), corrupted + "Invalid hero level");
    EXPECT_EQ(errorWith(120, "\xFF\x7F"), corrupted + "Invalid hero name");
    EXPECT_EQ(errorWith(102, "\xFF\xFF"), corrupted + "Invalid number of artifacts");
    EXPECT_EQ(errorWith(132, std::string("\0\x01", 2)), corrupted + "Stored string too long");
    EXPECT_EQ(errorWith(spells, "SPLX"), corrupted + "Cant load spells. Expected tag SPLS");
    EXPECT_EQ(errorWith(spells + 8, "\x02"), "Invalid object version 00000002: Spell Container");
    EXPECT_EQ(errorWith(spells + 12, "\xFF\xFF\xFF"), corrupted + "Record count does not fit");
    EXPECT_EQ(errorWith(spells + 34, "\x80"), corrupted + "Invalid spell count");
    EXPECT_EQ(errorWith(spells + 4, "\xFF"), corrupted + "Chunk SPLS does not fit in its place");
}

}  // namespace
}  // namespace cv
