#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "game/model/spell_distribution.h"
#include "game/model/spell_lists.h"
#include "platform/runtime_rand.h"
#include "platform/utf.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

class SpellRules : public test::WithKnight {
protected:
    void SetUp() override {
        WithKnight::SetUp();
        test::LoadTestSpells();
    }
};

// Bridge never reads a "Value", Raise Control falls back to 10; the combat
// list has a hole where the rules skip lines.
TEST_F(SpellRules, KindsLoadIntoTheirListsWithTheirStrength) {
    EXPECT_EQ(std::tuple(Spells().Count(SpellList::kCombat), Spells().all().size()),
              std::tuple(10, 14u));
    EXPECT_EQ(Spells().SpellAt(SpellList::kCombat, 6), nullptr);
    EXPECT_EQ(Spells().SpellAt(SpellList::kCombat, 9)->id, "TurnUndeadSpell");
    for (const auto& [id, list, value] :
         {std::tuple("BridgeSpell", SpellList::kAdventure, 0),
          std::tuple("RaiseControlSpell", SpellList::kAdventure, 10),
          std::tuple("LightingSpell", SpellList::kCombat, 10)}) {
        const SpellKind& kind = Spells().SpellById(id);
        EXPECT_EQ(std::pair(kind.list, kind.value), std::pair(list, value)) << id;
    }
    EXPECT_EQ(Spells().SpellById("LightingSpell").id, "LightningSpell");
}

TEST_F(SpellRules, RulesSlipsAreFatal) {
    const std::pair<const char*, const char*> cases[] = {
        {"Combat { MagicMissile { Index = 0 Cost = 1 } } Adventure { }",
         "Invalid Spell ID=MagicMissile in CV.INI"},
        {"Combat { FireballSpell { Index = 0 Cost = 1 } } Adventure { }",
         "Expected Value in spell <FireballSpell>"},
        {"Combat { } Adventure { TimeStopSpell { Index = 0 Cost = 1 } }",
         "Expected Value in spell <TimeStopSpell>"},
        {"Combat { }", "Not found ID <Adventure> in Spell System"},
    };
    for (const auto& [spells, message] : cases) {
        test::LoadRules(std::string(test::kTestRules) + "Spells { " + spells + " }");
        EXPECT_EQ(test::ErrorOf([] { Spells().Load(Root()); }), message) << spells;
    }
    EXPECT_EQ(test::ErrorOf([] { Spells().SpellById("Nope"); }), "Invalid spell id=Nope");
}

TEST_F(SpellRules, RandomSpellsComeEvenlyFromAllKinds) {
    platform::Srand(3);
    std::map<std::string, int> drawn;
    for (int i = 0; i < 14000; ++i) ++drawn[Spells().RandomSpell()->id];
    ASSERT_EQ(drawn.size(), 14u);
    for (const auto& [id, n] : drawn) EXPECT_NEAR(n, 1000, 150) << id;
}

TEST_F(SpellRules, CastUsesASpellUpOnlyWhenItTookEffect) {
    SpellContainer spells;
    spells.Add("LightingSpell", 2);
    std::string cast;
    auto caster = [&cast](bool tookEffect) {
        return [&cast, tookEffect](const SpellKind& kind) { return cast = kind.id, tookEffect; };
    };
    EXPECT_FALSE(spells.Cast("LightningSpell", caster(false)));
    EXPECT_EQ(std::pair(cast, spells.Total()), std::pair(std::string("LightningSpell"), 2));
    EXPECT_TRUE(spells.Cast("LightingSpell", caster(true)));
    EXPECT_EQ(std::pair(spells.Count("LightningSpell"), spells.Total()), std::pair(1, 1));
    cast.clear();
    EXPECT_FALSE(spells.Cast("CloneSpell", caster(true)));
    EXPECT_EQ(cast, "");  // not owned: never cast
}

// Room for 5; Bridge costs 500, Instant Army nothing.
TEST_F(SpellRules, BuyableWithinMagicRoomAndGold) {
    const std::tuple<bool, int, int, const char*, int> cases[] = {
        {false, 0, 9999, "BridgeSpell", 0}, {true, 5, 9999, "BridgeSpell", 0},
        {true, 6, 9999, "BridgeSpell", 0},  {true, 0, 499, "BridgeSpell", 0},
        {true, 0, 500, "BridgeSpell", 1},   {true, 0, 1999, "BridgeSpell", 3},
        {true, 2, 9999, "BridgeSpell", 3},  {true, 0, 9999, "InstantArmySpell", 0}};
    for (const auto& [canUse, owned, gold, spell, buyable] : cases) {
        Hero buyer;
        buyer.SetCanUseSpells(canUse);
        buyer.AddMaxSpells(5);
        buyer.spells().Add("FreezeSpell", owned);
        buyer.SetGold(gold);
        EXPECT_EQ(buyer.SpellBuyable(spell), buyable) << owned << " " << gold << " " << spell;
    }
}

TEST_F(SpellRules, CombatListStopsAtItsTenthLine) {
    SpellContainer owned;
    owned.Add("FireballSpell", 2);
    const SpellListItem fireball = CombatSpellItems(owned)[2];
    EXPECT_EQ(std::tuple(fireball.widget, fireball.spellId, Utf16ToUtf8(fireball.text)),
              std::tuple("CItem2", "FireballSpell", "FireballSpell: 2"));
    for (const auto& [index, last] : {std::pair("9", "CItem9"), std::pair("10", "CItem5")}) {
        Parse(*Root(), std::string("Spells.Combat.TurnUndeadSpell.Index = ") + index);
        Spells().Load(Root());
        EXPECT_EQ(CombatSpellItems(owned).back().widget, last);
        // The adventure list's combat section shows every kind all the same.
        ShowCombatSpellCounts(owned);
        const std::string shown = ui.FrontText();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 6) << shown;
        ui.Answer("OK");
    }
    EXPECT_EQ(AdventureSpellItems(owned).back().widget, "Item6");
}

// The kinds in the order read: Clone, Fireball, Freeze, Lightning, Resurrect,
// Teleport, Turn Undead, then the adventure kinds.
TEST_F(SpellRules, TownsOfTheCommonestSpellTakeTheUnsoldOnes) {
    auto sorted = [](const std::vector<TownSpell>& towns, size_t from, size_t to) {
        std::multiset<std::string> spells;
        for (size_t i = from; i < to; ++i) spells.insert(towns[i].spell);
        return spells;
    };
    for (unsigned seed : {1u, 2u, 3u}) {
        platform::Srand(seed);
        std::vector<TownSpell> towns = {{"A", "FireballSpell"}, {"B", "FireballSpell"},
                                        {"C", "FireballSpell"}, {"D", "LightingSpell"},
                                        {"E", "LightingSpell"}, {"F", "CloneSpell"}};
        DistributeSpells(towns);
        // Fireball (first of two equals) gives two towns away, Lightning one;
        // with one town a kind, Turn Undead stays unsold.
        EXPECT_EQ(sorted(towns, 0, 3),
                  (std::multiset<std::string>{"FireballSpell", "FreezeSpell", "ResurrectSpell"}));
        EXPECT_EQ(sorted(towns, 3, 6),
                  (std::multiset<std::string>{"CloneSpell", "LightingSpell", "TeleportSpell"}));
    }
    for (const auto& [count, sold] : {std::pair(14, 14u), std::pair(13, 13u)}) {
        std::vector<TownSpell> towns(count, {"Town", "TimeStopSpell"});
        DistributeSpells(towns);
        const std::multiset<std::string> spells = sorted(towns, 0, towns.size());
        EXPECT_EQ(std::set<std::string>(spells.begin(), spells.end()).size(), sold) << count;
    }
    std::vector<TownSpell> bad = {{"Oakvale", "Nope"}};
    EXPECT_EQ(test::ErrorOf([&] { DistributeSpells(bad); }),
              "Invalid spell id=<Nope> in town <Oakvale>");
}

}  // namespace
}  // namespace cv
