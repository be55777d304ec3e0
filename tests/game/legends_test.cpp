#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "game/world/legends.h"
#include "game/world/location.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

class Legends : public ::testing::Test {
protected:
    void SetUp() override { test::LoadIsleRules(); }
    // The Isle's header read with these "Enemies.Legends".
    static Ref<Location> IsleWith(const std::string& legends) {
        Parse(*Root(), "Maps.Isle.Enemies.Legends { @ " + legends + " }");
        auto isle = MakeRef<Location>(0, "Isle");
        isle->ReadHeader(FindNode(Root(), "Maps.Isle"));
        return isle;
    }
    static std::string Generated(const std::string& legends, const std::string& armyDef) {
        return GenerateArmy(*IsleWith(legends), armyDef)->ToText();
    }
};

TEST_F(Legends, BadNumbersAndWeightsStopTheReading) {
    const std::string number =
        "Error of dispatcher using: invalid or duplicated Legend number in Location Isle";
    const std::string weight =
        "Error of dispatcher using: Invalid weight of army Legend in Location Isle";
    const std::pair<const char*, std::string> cases[] = {
        {"0 { Weight = 1 } 00 { Weight = 2 }", number},  // both are legend 0
        {"A { Weight = 1 }", number},
        {"100 { Weight = 1 }", number},
        {"0 = 1", number},
        {"0 { Peasants { Count = 1 } }", weight},
        {"0 { Weight = 0 }", weight},
        {"0 { Weight = -2 }", weight},
        {"99 { Weight = 1 }", "no error"},
    };
    for (const auto& [legends, error] : cases) {
        EXPECT_EQ(test::ErrorOf([&] { IsleWith(legends); }), error) << legends;
    }
}

TEST_F(Legends, EachCharacterOfADefinitionGivesOneSquad) {
    // Weights 5, 15, 1 and 1 over legends 0, 1, 2 (without entries) and 4:
    // rand_n(22) = r x 22 >> 15 reaches 5 at r = 7448, 20 at 29790, 21 at 31279.
    const std::string legends =
        "0 { Weight = 5 Militia { Count = 4 } } 1 { Weight = 15 Knights { Count = 2 } } "
        "2 { Weight = 1 } 4 { Weight = 1 Peasants { Count = 1 } }";
    const std::tuple<const char*, unsigned, std::string> cases[] = {
        {"", 1, ""},
        {"10", 1, "Knights:2,Militia:4"},
        {"?", 12303, "Militia:4"},          // the seed's first r = 7447
        {"?", 2269, "Knights:2"},           // 7448
        {"?", 49248, "Knights:2"},          // 29789
        {"?", 19145, "Empty enemy level"},  // 29790
        {"?", 29635, "Empty enemy level"},  // 31278
        {"?", 19601, "Peasants:1"},         // 31279
        {"2", 1, "Empty enemy level"},
        {"3", 1, "Invalid army def <3>"},  // a number the rules skip
        {"5", 1, "Invalid army def <5>"},
        {"0x", 1, "Invalid army def <0x>"},
    };
    for (const auto& [armyDef, seed, army] : cases) {
        platform::Srand(seed);
        std::string got;
        const std::string error = test::ErrorOf([&] { got = Generated(legends, armyDef); });
        EXPECT_EQ(error == "no error" ? got : error, army) << armyDef << " " << seed;
    }
    EXPECT_EQ(test::ErrorOf([&] { Generated("", "?"); }), "Invalid army def <?>");
}

TEST_F(Legends, ALegendAskedAgainTriesFiveEntriesForANewUnit) {
    // Seed 6: rand_n(2) gives 0, 0, 1: Militia, Militia again, then Peasants.
    const std::tuple<const char*, const char*, unsigned, std::string, int> cases[] = {
        {"0 { Weight = 1 Militia { Count = 4 } Peasants { Count = 9 } }", "00", 6,
         "Militia:4,Peasants:9", 3},
        {"0 { Weight = 1 Peasants { Count = 10 } }", "000", 1, "Peasants:30", 1 + 5 + 5},
    };
    for (const auto& [legends, armyDef, seed, army, draws] : cases) {
        Ref<Location> isle = IsleWith(legends);
        platform::Srand(seed);
        EXPECT_EQ(GenerateArmy(*isle, armyDef)->ToText(), army);
        const int next = platform::Rand();
        platform::Srand(seed);
        for (int i = 0; i < draws; ++i) platform::Rand();
        EXPECT_EQ(next, platform::Rand()) << army;
    }
}

TEST_F(Legends, AnyLevelIsDrawnByWeight) {
    Ref<Location> isle = IsleWith(
        "0 { Weight = 5 Militia { Count = 1 } Peasants { Count = 1 } } "
        "1 { Weight = 15 Archers { Count = 1 } Knights { Count = 1 } }");
    platform::Srand(7);
    int fromLegend1 = 0;
    for (int i = 0; i < 4000; ++i) {
        Ref<Army> army = GenerateArmy(*isle, "0?");
        const std::string first = army->At(0)->kind().id;
        ASSERT_TRUE(first == "Militia" || first == "Peasants") << first;
        fromLegend1 += army->Find("Archers") || army->Find("Knights");
    }
    EXPECT_NEAR(fromLegend1, 3000, 100);
}

}  // namespace
}  // namespace cv
