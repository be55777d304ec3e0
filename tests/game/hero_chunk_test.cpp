#include <gtest/gtest.h>

#include "core/memory_stream.h"
#include "game/model/hero.h"
#include "game_test_support.h"

namespace cv {
namespace {

using test::ErrorOf;

uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | uint32_t{b.at(at + 3)} << 24;
}
uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b.at(at) | b.at(at + 1) << 8);
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
    std::vector<uint8_t> Saved(const Hero& h) {
        MemoryStream data;
        ChunkWriter out(data);
        h.Save(out);
        return data.bytes();
    }
    Ref<Hero> Loaded(const std::vector<uint8_t>& bytes) {
        MemoryStream data;
        data.Write(bytes.data(), bytes.size());
        data.Seek(0);
        ChunkReader in(data);
        auto loaded = MakeRef<Hero>();
        loaded->Load(in);
        return loaded;
    }
    test::FakeUi ui;
    Ref<Hero> hero = MakeRef<Hero>();
};

TEST_F(HeroChunk, FixedRecordIsLaidOutByteForByte) {
    std::vector<uint8_t> b = Saved(*hero);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "HERO");
    EXPECT_EQ(U32At(b, 4), b.size() - 8);
    EXPECT_EQ(U32At(b, 8), 0u);
    EXPECT_EQ(U32At(b, 12), 1u | 1u << 4 | 1u << 30 | 1u << 31);
    EXPECT_EQ(U32At(b, 16), 2u);    // difficulty
    EXPECT_EQ(U32At(b, 24), 2u);    // max level
    EXPECT_EQ(U32At(b, 28), 100u);  // leadership
    EXPECT_EQ(U32At(b, 40), 1000u);
    EXPECT_EQ(U32At(b, 44), 250u);
    EXPECT_EQ(U32At(b, 52), 12345u);
    EXPECT_EQ(U32At(b, 64), 0u);  // villains needed: 2 less the two caught
    EXPECT_EQ(U32At(b, 68), 77u);
    EXPECT_EQ(U32At(b, 72), 300u);
    EXPECT_EQ(U32At(b, 80), 0xFFFFFFFFu);  // contract cleared by the catch
    EXPECT_EQ(U32At(b, 84), 1u);
    EXPECT_EQ(U16At(b, 88), 5u);
    EXPECT_EQ(U16At(b, 90), 2u);
    EXPECT_EQ(U16At(b, 92), 33u);
    EXPECT_EQ(U16At(b, 94), 44u);
    EXPECT_EQ(U16At(b, 96), 10u);
    EXPECT_EQ(U16At(b, 98), 12u);
    EXPECT_EQ(U16At(b, 100), 2u);  // villains caught
    EXPECT_EQ(U16At(b, 102), 1u);  // artifacts
    EXPECT_EQ(U16At(b, 104), 7u);
    EXPECT_EQ(U16At(b, 106), 61u);
    EXPECT_EQ(U32At(b, 108), 3u);
    EXPECT_EQ(U32At(b, 112) | U32At(b, 116), 0u);
    // The name as UTF-16 characters, then the stored strings.
    EXPECT_EQ(U16At(b, 120), 5u);
    EXPECT_EQ(U16At(b, 120 + 2 + 3 * 2), 0xEFu);
    EXPECT_EQ(U16At(b, 132), 6u);
    EXPECT_EQ(std::string(b.begin() + 134, b.begin() + 140), "Knight");
    // The spells close the chunk: 16-byte record, then id and count.
    size_t spells = b.size() - (16 + 2 + 13 + 4 + 2 + 14 + 4);
    EXPECT_EQ(std::string(b.begin() + spells, b.begin() + spells + 4), "SPLS");
    EXPECT_EQ(U32At(b, spells + 4), b.size() - spells - 8);
    EXPECT_EQ(U32At(b, spells + 12), 2u);
    EXPECT_EQ(std::string(b.begin() + spells + 18, b.begin() + spells + 31), "FireballSpell");
    EXPECT_EQ(U32At(b, spells + 31), 2u);
}

TEST_F(HeroChunk, LoadGivesBackAnEqualHero) {
    std::vector<uint8_t> first = Saved(*hero);
    Ref<Hero> loaded = Loaded(first);
    EXPECT_EQ(Saved(*loaded), first);
    EXPECT_EQ(loaded->name(), u"Ana\u00EFs");
    EXPECT_EQ(loaded->army().ToText(), "Militia:20,Archers:2");
    EXPECT_EQ(loaded->damageFactor().mul, 3);  // recomputed from "A1"
    EXPECT_EQ(loaded->spells().Count("LightningSpell"), 1);
    EXPECT_EQ(loaded->spells().Total(), 3);
    EXPECT_EQ(loaded->villainsCaught(), (std::vector<int>{11, -2}));
    EXPECT_EQ(loaded->travelMode(), TravelMode::kSail);
}

TEST_F(HeroChunk, DamagedChunksGiveTheSaveFormatError) {
    const std::vector<uint8_t> good = Saved(*hero);
    auto errorWith = [&](size_t at, std::vector<uint8_t> bytes) {
        std::vector<uint8_t> bad = good;
        std::copy(bytes.begin(), bytes.end(), bad.begin() + at);
        return ErrorOf([&] { Loaded(bad); });
    };
    const std::string corrupted = "Invalid  format or save corrupted: ";
    EXPECT_EQ(errorWith(0, {'H', 'E', 'R', 'X'}), corrupted + "Expected tag HERO");
    EXPECT_EQ(errorWith(8, {1}), "Invalid object version 00000001: Main Hero");
    EXPECT_EQ(errorWith(4, {0xFF, 0xFF}), corrupted + "Chunk HERO does not fit in its place");
    EXPECT_EQ(errorWith(12, {0x31}), corrupted + "Invalid travel mode");
    EXPECT_EQ(errorWith(20, {9}), corrupted + "Invalid hero level");
    EXPECT_EQ(errorWith(120, {0xFF, 0x7F}), corrupted + "Invalid hero name");
    EXPECT_EQ(errorWith(102, {0xFF, 0xFF}), corrupted + "Invalid number of artifacts");
    EXPECT_EQ(errorWith(132, {0x00, 0x01}), corrupted + "Stored string too long");
    size_t spells = good.size() - 55;
    EXPECT_EQ(errorWith(spells, {'S', 'P', 'L', 'X'}),
              corrupted + "Cant load spells. Expected tag SPLS");
    EXPECT_EQ(errorWith(spells + 8, {2}), "Invalid object version 00000002: Spell Container");
    EXPECT_EQ(errorWith(spells + 12, {0xFF, 0xFF, 0xFF}), corrupted + "Record count does not fit");
    EXPECT_EQ(errorWith(spells + 34, {0x80}), corrupted + "Invalid spell count");
    std::vector<uint8_t> cut(good.begin(), good.end() - 5);
    cut[4] = static_cast<uint8_t>(cut.size() - 8);
    cut[5] = static_cast<uint8_t>((cut.size() - 8) >> 8);
    EXPECT_EQ(ErrorOf([&] { Loaded(cut); }), corrupted + "Chunk SPLS does not fit in its place");
}

}  // namespace
}  // namespace cv
