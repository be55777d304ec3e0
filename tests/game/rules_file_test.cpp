#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/save_game.h"
#include "core/save_info.h"
#include "game/combat/combat_sys.h"
#include "game/model/king_castle.h"
#include "game/model/spell_system.h"
#include "game/model/unit_tables.h"
#include "game/world/hero_step.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

std::string RulesFileText() {
    std::ifstream file(CORVANTH_RULES_FILE, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Grass (kind 3 of the real rules) from 3 to 60 each way, sea around it.
std::string MainlandTerrain() {
    std::string bytes(4096, '\0');
    for (int y = 3; y <= 60; ++y) std::fill_n(bytes.begin() + (63 - y) * 64 + 3, 58, '\3');
    return bytes;
}

int IntAt(const std::string& path) {
    int32_t v = -1;
    Value* value = FindValue(Root(), path);
    EXPECT_TRUE(value && value->GetInt(v)) << path;
    return v;
}

std::string StringAt(const std::string& path) {
    std::string v;
    Value* value = FindValue(Root(), path);
    EXPECT_TRUE(value && value->GetString(v)) << path;
    return v;
}

std::vector<std::string> ChildNames(const std::string& path) {
    std::vector<std::string> names;
    if (Dispatcher* node = FindNode(Root(), path)) {
        for (const auto& [name, item] : node->children()) names.push_back(name);
    }
    EXPECT_FALSE(names.empty()) << path;
    return names;
}

class RulesFile : public ::testing::Test {
protected:
    void SetUp() override {
        // The build appends the continents and the hero's start; a test continent stands in.
        test::LoadRules(RulesFileText() + "\nStartHero.X0 = 11\nStartHero.Y0 = 18\n");
        LoadTerrainKinds(Root());
        CombatParams().Load(Root());
    }
    test::FakeUi ui;
};

TEST_F(RulesFile, UnitsCoverEveryAbilityAndTheIdsTheRulesNeed) {
    const UnitTables& units = Units();
    for (const char* id :
         {"Peasants", "Militia", "Archers", "Pikemen", "Cavalry", "Knights", "Demons"}) {
        EXPECT_TRUE(units.FindUnit(id)) << id;  // named by the rules' code
    }
    uint32_t flags = 0;
    int undead = 0;
    const TerrainKindTable& kinds = TerrainKinds();
    for (const auto& unit : units.units()) {
        SCOPED_TRACE(unit->id);
        flags |= unit->flags;
        undead += IsUndead(*unit) ? 1 : 0;
        EXPECT_TRUE(unit->skillLevel >= 1 && unit->skillLevel <= 6);  // gaps stay within five
        EXPECT_GT(unit->hitPoints, 0);
        EXPECT_LE(unit->meleeMin, unit->meleeMax);
        EXPECT_EQ(unit->shots > 0, unit->rangedMax > 0);
        EXPECT_GT(unit->available, 0);
        EXPECT_FALSE(unit->highMorale.empty());
        const int ground = units.SourceById(unit->source).terrain;
        EXPECT_TRUE(ground >= 0 && kinds.at(ground).Has(kTerrainWalk));
    }
    EXPECT_EQ(flags, 127u);
    EXPECT_GE(undead, 3);
    Army army;
    army.Parse("Knights:2,Cavalry:3,Pikemen:5");
    EXPECT_EQ(MoraleOf(army, 0, 1000), Morale::kHigh);
    army.Add("Skeletons", 9);
    EXPECT_EQ(MoraleOf(army, 0, 1000), Morale::kLow);
}

// Every kind the game casts, in lists without holes, the combat one within its
// ten lines, and bridges of walkable ground that takes no second bridge.
TEST_F(RulesFile, SpellsLoadEveryKindWithBridgesToWalkOn) {
    Spells().Load(Root());
    EXPECT_EQ(Spells().all().size(), 14u);
    EXPECT_LE(Spells().Count(SpellList::kCombat), 10);
    for (SpellList list : {SpellList::kCombat, SpellList::kAdventure}) {
        for (int i = 0; i < Spells().Count(list); ++i) EXPECT_TRUE(Spells().SpellAt(list, i)) << i;
    }
    for (const char* orientation : {"Horizontal", "Vertical"}) {
        const int kind = IntAt(std::string("Spells.Adventure.BridgeSpell.") + orientation);
        ASSERT_TRUE(kind >= 0 && kind < kTerrainKindCount) << orientation;
        EXPECT_TRUE(TerrainKinds()[kind].Has(kTerrainWalk)) << orientation;
        EXPECT_FALSE(TerrainKinds()[kind].Has(kTerrainBridge)) << orientation;
    }
}

TEST_F(RulesFile, EveryClassClimbsFourRanksWithinTheVillainsThereAre) {
    const int villains = static_cast<int>(ChildNames("Villains").size());
    int casters = 0;
    for (const char* classId : {"Knight", "Paladin", "Sorceress", "Barbarian"}) {
        SCOPED_TRACE(classId);
        Hero hero;
        hero.Create(classId, u"Tester", 0, 1);
        EXPECT_EQ(hero.maxLevel(), 3);
        casters += hero.canUseSpells() ? 1 : 0;
        // The starting army obeys and the King's pay covers it.
        int64_t pay = 0;
        for (int i = 0; i < hero.army().SquadCount(); ++i) {
            EXPECT_FALSE(IsOutOfControl(*hero.army().At(i), hero.EffectiveLeadership()));
            pay += hero.army().At(i)->WeeklyPay();
        }
        EXPECT_LT(pay * 4, hero.WeeklyCommission());
        std::set<std::string> titles = {hero.title()};
        int caught = 0;
        while (hero.level() < hero.maxLevel()) {
            while (hero.villainsNeeded() > 0) hero.CatchVillain(++caught);
            const int leadership = hero.leadership();
            KingAudience(hero);
            EXPECT_GT(hero.leadership(), leadership);
            titles.insert(hero.title());
            EXPECT_TRUE(Units().FindUnit(hero.instantArmyUnit())) << hero.instantArmyUnit();
        }
        EXPECT_EQ(titles.size(), 4u);
        EXPECT_LE(caught, villains);
    }
    EXPECT_EQ(casters, 1);
}

TEST_F(RulesFile, DifficultiesMoraleAndArtifactsScaleTheRightWay) {
    int previousDays = INT32_MAX;
    for (const std::string level : {"0", "1", "2", "3"}) {
        const std::string node = "HardLevels." + level + ".";
        EXPECT_LT(IntAt(node + "Days"), previousDays) << level;
        previousDays = IntAt(node + "Days");
        EXPECT_GT(IntAt(node + "ScoreMul") * IntAt(node + "ScoreDiv"), 0) << level;
    }
    const CombatSys& combat = CombatParams();
    EXPECT_LT(combat.ApplyMorale(100, Morale::kLow), 100);
    EXPECT_GT(combat.ApplyMorale(100, Morale::kHigh), 100);
    EXPECT_GT(combat.ApplyGoodWeek(100), 100);
    // Every artifact does something the hero knows of.
    std::set<std::string> actions;
    for (const std::string& id : ChildNames("Artifacts")) {
        const std::string action = StringAt("Artifacts." + id + ".Action");
        actions.insert(action.substr(0, action.find_first_of("*/+=")));
    }
    EXPECT_EQ(actions, (std::set<std::string>{"Damage", "HitPts", "Leadership", "MaxSpellsNum",
                                              "SpellPower", "Commission", "BoatRent"}));
}

// A new game of the real rules on a test continent.
class RulesFileGame : public RulesFile {
protected:
    void SetUp() override {
        RulesFile::SetUp();
        // The first continent alone, with what the rules put on it.
        Dispatcher* maps = FindNode(Root(), "Maps");
        Ref<DispatcherItem> thornmere{maps->Child("Thornmere")};
        maps->Clear();
        maps->SetChild("Thornmere", thornmere);
        Parse(*Root(), "Maps.Thornmere { Index = 0 X0 = 11 Y0 = 18 EnemyIcon = e MapIcon = m }");
        // Its own villains, in a castle each.
        Dispatcher* villains = FindNode(Root(), "Villains");
        std::vector<std::pair<std::string, Ref<DispatcherItem>>> home;
        for (const char* number : {"1", "2", "3", "4", "5", "6"}) {
            home.emplace_back(number, villains->Child(number));
        }
        villains->Clear();
        for (const auto& [number, villain] : home) villains->SetChild(number, villain);
        Parse(*Root(),
              "Maps.Thornmere.Castles { C1 { X = 10 Y = 40 } C2 { X = 20 Y = 40 } "
              "C3 { X = 30 Y = 40 } C4 { X = 40 Y = 40 } C5 { X = 50 Y = 40 } "
              "C6 { X = 10 Y = 50 } }");
        folder.WriteTerrain("Thornmere", MainlandTerrain());
        platform::Srand(2024);
    }
    void TearDown() override { ResetLanguage(); }
    test::GameFolder folder;
};

TEST_F(RulesFileGame, NewGameSavedLoadedAndSavedAgainGivesTheSameBlock) {
    Ref<RunningGame> game = RunningGame::NewGame("Sorceress", u"Morgan", 1, 1);
    const std::vector<uint8_t> first = test::SavedGame(*game);
    Ref<RunningGame> loaded = test::LoadedGame(first);
    EXPECT_EQ(test::SavedGame(*loaded), first);
    // After a walk through a week and its budget, the same holds.
    for (int i = 0; i < 7 * 16; ++i) StepHero(*loaded, i % 32 < 16 ? 1 : -1, 0);
    ASSERT_EQ(ui.open.size(), 1u);  // the week's message
    ui.Answer("Continue");
    ui.Answer("OK");
    EXPECT_EQ(loaded->time().week(), 1);
    const std::vector<uint8_t> later = test::SavedGame(*loaded);
    EXPECT_NE(later, first);
    EXPECT_EQ(test::SavedGame(*test::LoadedGame(later)), later);
}

TEST_F(RulesFileGame, ASaveFileKeepsTheGameAndSpeaksTheHerosLanguage) {
    folder.Write("English.lng.txt",
                 test::Utf16File(u"[<NAME> the <TITLE>]\n<NAME>, <TITLE>\n[Sorceress]\nWitch\n"
                                 u"[My dear <NAME>,|F]\nMy lady <NAME>,\n"
                                 u"[you must capture <N> villains|2]\nbring me two villains\n"));
    LoadLanguage("English.lng.txt");
    Ref<RunningGame> game = RunningGame::NewGame("Sorceress", u"Morgan", 1, 1);
    EXPECT_EQ(KingAudience(game->hero()), u"My lady Morgan,\nbring me two villains");
    std::string saveName;
    SaveGame(*game, saveName);
    const SaveEntry entry = ReadSaveInfo("1");
    EXPECT_EQ(entry.displayName, u"Morgan, Witch");
    EXPECT_EQ(entry.daysLeft, u"600");  // the middle difficulty's days
    auto loaded = MakeRef<RunningGame>();
    LoadGame("1", *loaded);
    EXPECT_EQ(test::SavedGame(*loaded), test::SavedGame(*game));
}

TEST_F(RulesFileGame, AHeroOffTheSavedContinentsIsRefused) {
    Ref<RunningGame> game = RunningGame::NewGame("Knight", u"Arthur", 0, 2);
    const std::string refused = std::string(test::kCorrupted) + "Invalid hero position";
    game->hero().MoveTo(1, {5, 5});
    EXPECT_EQ(test::ErrorOf([&] { test::LoadedGame(test::SavedGame(*game)); }), refused);
    game->hero().MoveTo(0, {5, 64});
    EXPECT_EQ(test::ErrorOf([&] { test::LoadedGame(test::SavedGame(*game)); }), refused);
    game->hero().MoveTo(0, {5, 5});
    game->hero().SetSceptre(3, {1, 1});
    EXPECT_EQ(test::ErrorOf([&] { test::LoadedGame(test::SavedGame(*game)); }),
              std::string(test::kCorrupted) + "Invalid sceptre position");
}

}  // namespace
}  // namespace cv
