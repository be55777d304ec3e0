#include <gtest/gtest.h>

#include <set>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/language.h"
#include "core/memory_stream.h"
#include "core/save_game.h"
#include "core/save_info.h"
#include "core/settings.h"
#include "game/combat/combat_sys.h"
#include "game/model/king_castle.h"
#include "game/model/unit_tables.h"
#include "game/world/hero_step.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"

namespace cv {
namespace {

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
    Dispatcher* node = FindNode(Root(), path);
    EXPECT_TRUE(node) << path;
    if (node) {
        for (const auto& [name, item] : node->children()) names.push_back(name);
    }
    return names;
}

int64_t HitPointsOf(const std::string& armyText) {
    auto army = MakeRef<Army>();
    army->Parse(armyText);
    int64_t total = 0;
    for (int i = 0; i < Army::kSlots; ++i) {
        if (Ref<Squad> squad = army->At(i)) total += squad->TotalHitPoints();
    }
    return total;
}

struct RecordingHooksForRules : TimeHooks {
    void WeeklyTurn() override {}
    bool HasRentedBoat() const override { return false; }
    void GameLost() override {}
    void GameWon() override {}
};

class RulesFile : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadRules(test::RulesFileText());
        LoadTerrainKinds(Root());
        CombatParams().Load(Root());
    }
    test::FakeUi ui;
};

TEST_F(RulesFile, UnitsCoverEveryAbilityAndTheIdsTheRulesNeed) {
    const UnitTables& units = Units();
    EXPECT_GE(units.UnitCount(), 24);
    for (const char* id :
         {"Peasants", "Militia", "Archers", "Pikemen", "Cavalry", "Knights", "Gnomes", "Demons"}) {
        EXPECT_TRUE(units.FindUnit(id)) << id;
    }
    uint32_t flags = 0;
    int undead = 0;
    for (const auto& unit : units.units()) {
        flags |= unit->flags;
        undead += IsUndead(*unit) ? 1 : 0;
        EXPECT_GE(unit->skillLevel, 1) << unit->id;
        EXPECT_LE(unit->skillLevel, 6) << unit->id;  // no gap beyond five levels
        EXPECT_GT(unit->hitPoints, 0) << unit->id;
        EXPECT_LE(unit->meleeMin, unit->meleeMax) << unit->id;
        EXPECT_EQ(unit->shots > 0, unit->rangedMax > 0) << unit->id;
        EXPECT_GT(unit->available, 0) << unit->id;
        EXPECT_FALSE(unit->highMorale.empty()) << unit->id;
    }
    EXPECT_EQ(flags, 127u);
    EXPECT_GE(undead, 3);
    EXPECT_FALSE(IsUndead(*units.UnitById("Demons")));
    auto army = MakeRef<Army>();
    army->Parse("Knights:2,Cavalry:3,Pikemen:5");
    EXPECT_EQ(MoraleOf(*army, 0, 1000), Morale::kHigh);
    army->Add("Skeletons", 9);
    EXPECT_EQ(MoraleOf(*army, 0, 1000), Morale::kLow);
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
        for (int i = 0; i < hero.army().SquadCount(); ++i) {
            EXPECT_FALSE(IsOutOfControl(*hero.army().At(i), hero.EffectiveLeadership()));
        }
        int64_t pay = 0;
        for (int i = 0; i < hero.army().SquadCount(); ++i) pay += hero.army().At(i)->WeeklyPay();
        EXPECT_LT(pay * 4, hero.WeeklyCommission());
        std::set<std::string> titles = {hero.title()};
        int caught = 0;
        while (hero.level() < hero.maxLevel()) {
            while (hero.villainsNeeded() > 0) hero.CatchVillain(++caught);
            int leadership = hero.leadership();
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

TEST_F(RulesFile, DifficultiesTimeScoresAndCombat) {
    int previousDays = 1 << 30;
    for (int level = 0; level <= 3; ++level) {
        const std::string node = "HardLevels." + std::to_string(level) + ".";
        EXPECT_LT(IntAt(node + "Days"), previousDays);
        previousDays = IntAt(node + "Days");
        EXPECT_GT(IntAt(node + "ScoreMul"), 0);
        EXPECT_GT(IntAt(node + "ScoreDiv"), 0);
    }
    EXPECT_EQ(IntAt("HardLevels.1.Days"), 600);
    Hero hero;
    RecordingHooksForRules hooks;
    TimeSystem time(hero, hooks);
    time.Init(Root());
    EXPECT_GT(time.stepsPerDay(), 1);
    EXPECT_GT(time.daysPerWeek(), 1);
    EXPECT_GT(IntAt("Rules.SiegeWeaponsCost"), 0);
    for (const char* key : {"Artifact", "Villain", "Castle"})
        EXPECT_GT(IntAt(std::string("Scores.") + key), 0);
    EXPECT_LT(IntAt("Scores.FollowersKilled"), 0);
    const CombatSys& combat = CombatParams();
    EXPECT_LT(combat.ApplyMorale(100, Morale::kLow), 100);
    EXPECT_GT(combat.ApplyMorale(100, Morale::kHigh), 100);
    EXPECT_GT(combat.ApplyGoodWeek(100), 100);
    EXPECT_GT(combat.halfFrequency, 1);
}

TEST_F(RulesFile, TerrainKindsServeTheMapGeneratorAndTheBridge) {
    const TerrainKindTable& kinds = TerrainKinds();
    EXPECT_EQ(kinds[0].flags, kTerrainSwim | kTerrainBridge);
    EXPECT_EQ(kinds[3].flags, uint32_t{kTerrainWalk});
    EXPECT_EQ(kinds[13].flags, uint32_t{kTerrainWalk});  // castle gate
    for (int kind = 7; kind <= 12; ++kind) EXPECT_EQ(kinds[kind].flags, 0u) << kind;
    for (int kind : {2, 5}) EXPECT_EQ(kinds[kind].flags, 0u) << kind;
    for (int kind = 20; kind <= 43; ++kind) EXPECT_EQ(kinds[kind].flags, 0u) << kind;
    EXPECT_EQ(kinds[4].flags, kTerrainWalk | kTerrainSlow);
    for (int kind = 44; kind <= 55; ++kind) {
        EXPECT_EQ(kinds[kind].flags, kTerrainWalk | kTerrainSlow) << kind;
    }
    for (int kind = 56; kind <= 66; ++kind) EXPECT_EQ(kinds[kind].flags, uint32_t{kTerrainWalk});
    for (const char* piece : {"Horizontal", "Vertical"}) {
        int kind = IntAt(std::string("Spells.Adventure.BridgeSpell.") + piece);
        EXPECT_EQ(kinds.at(kind).flags, uint32_t{kTerrainWalk}) << piece;
    }
    for (const auto& unit : Units().units()) {
        int ground = Units().SourceById(unit->source).terrain;
        EXPECT_TRUE(ground >= 0 && kinds.at(ground).Has(kTerrainWalk)) << unit->id;
    }
    for (int kind : {0, 2, 3, 4, 5, 13, 14, 56, 67}) EXPECT_NE(kinds[kind].colour, 0xFF000000u);
}

TEST_F(RulesFile, ArtifactsAndVillainsFillThePuzzleWithRisingBounties) {
    std::set<std::pair<int, int>> pieces;
    std::set<std::string> actions;
    std::set<std::string> continents;
    const std::vector<std::string> artifacts = ChildNames("Artifacts");
    EXPECT_EQ(artifacts.size(), 8u);
    Hero hero;
    for (const std::string& id : artifacts) {
        const std::string node = "Artifacts." + id + ".";
        std::string action = StringAt(node + "Action");
        actions.insert(action.substr(0, action.find_first_of("*/+=")));
        continents.insert(StringAt(node + "Map"));
        EXPECT_FALSE(StringAt(node + "ID").empty());
        pieces.insert({IntAt(node + "PX"), IntAt(node + "PY")});
        hero.AddArtifact(id);
    }
    EXPECT_EQ(actions, (std::set<std::string>{"Damage", "HitPts", "Leadership", "MaxSpellsNum",
                                              "SpellPower", "Commission", "BoatRent"}));
    EXPECT_EQ(StringAt("Artifacts.A3.Action"), "Leadership*2");
    EXPECT_GT(hero.damageFactor().mul, hero.damageFactor().div);
    EXPECT_GT(hero.hitPointFactor().mul, hero.hitPointFactor().div);
    int previousReward = 0;
    int64_t previousStrength = 0;
    int number = 0;
    for (const std::string& name : ChildNames("Villains")) {
        EXPECT_EQ(name, std::to_string(std::stoi(name)));
        number = std::max(number, std::stoi(name));
    }
    EXPECT_GE(number, 17);
    for (int villain = 1; villain <= number; ++villain) {
        SCOPED_TRACE(villain);
        const std::string node = "Villains." + std::to_string(villain) + ".";
        EXPECT_GT(IntAt(node + "Reward"), previousReward);
        previousReward = IntAt(node + "Reward");
        int64_t strength = HitPointsOf(StringAt(node + "Army"));
        EXPECT_GT(strength, previousStrength);
        previousStrength = strength;
        continents.insert(StringAt(node + "Continent"));
        pieces.insert({IntAt(node + "PX"), IntAt(node + "PY")});
    }
    EXPECT_EQ(continents.size(), 4u);
    EXPECT_EQ(pieces.size(), 25u);  // every cell of the 5 x 5 puzzle, once
    EXPECT_EQ(*pieces.begin(), std::make_pair(0, 0));
    EXPECT_EQ(*pieces.rbegin(), std::make_pair(4, 4));
}

TEST_F(RulesFile, BattlefieldCellsAndSpells) {
    std::set<std::pair<int, int>> walls;
    for (const std::string& id : ChildNames("TacticsMap")) {
        EXPECT_EQ(id, std::to_string(std::stoi(id)));
        EXPECT_FALSE(StringAt("TacticsMap." + id + ".Img").empty());
        if (FindValue(Root(), "TacticsMap." + id + ".CX")) {
            walls.insert({IntAt("TacticsMap." + id + ".CX"), IntAt("TacticsMap." + id + ".CY")});
        }
    }
    for (const char* id : {"0", "1", "2"})
        EXPECT_TRUE(FindNode(Root(), std::string("TacticsMap.") + id));
    EXPECT_EQ(walls.size(), 4u);
    EXPECT_FALSE(walls.count({2, 2}) || walls.count({3, 2}));  // the open gate
    const std::map<std::string, std::vector<std::string>> spells = {
        {"Combat",
         {"CloneSpell", "TeleportSpell", "FireballSpell", "LightningSpell", "FreezeSpell",
          "ResurrectSpell", "TurnUndeadSpell"}},
        {"Adventure",
         {"BridgeSpell", "TimeStopSpell", "FindVillainSpell", "TownGateSpell", "CastleGateSpell",
          "InstantArmySpell", "RaiseControlSpell"}}};
    for (const auto& [list, ids] : spells) {
        std::set<int> indexes;
        for (const std::string& id : ids) {
            const std::string node = "Spells." + list + "." + id + ".";
            indexes.insert(IntAt(node + "Index"));
            EXPECT_GT(IntAt(node + "Cost"), 0) << id;
        }
        EXPECT_EQ(indexes.size(), ids.size());
        EXPECT_EQ(*indexes.rbegin(), static_cast<int>(ids.size()) - 1);
    }
    for (const char* id : {"TimeStopSpell", "RaiseControlSpell"}) {
        EXPECT_GT(IntAt(std::string("Spells.Adventure.") + id + ".Value"), 0);
    }
    for (const std::string& id : spells.at("Combat")) {
        EXPECT_GT(IntAt("Spells.Combat." + id + ".Value"), 0);
    }
}

// A new game of the real rules on a test continent, saved, loaded and saved
// again: the two game-data blocks are the same.
class RulesFileGame : public RulesFile {
protected:
    void SetUp() override {
        RulesFile::SetUp();
        Parse(*Root(), "Maps.Thornmere { Index = 0 X0 = 11 Y0 = 18 EnemyIcon = e MapIcon = m }");
        folder.Write("Thornmere", test::MainlandTerrain());
        platform::Srand(2024);
    }
    void TearDown() override {
        ResetLanguage();
        SetAppDir("");
        SetCfgPath("");
    }
    static std::vector<uint8_t> Saved(const RunningGame& game) {
        MemoryStream data;
        ChunkWriter out(data);
        game.WriteChunks(out);
        return data.bytes();
    }
    static Ref<RunningGame> Loaded(const std::vector<uint8_t>& bytes) {
        MemoryStream data;
        data.Write(bytes.data(), bytes.size());
        data.Seek(0);
        ChunkReader in(data);
        auto game = MakeRef<RunningGame>();
        game->ReadChunks(in);
        return game;
    }
    test::TerrainFolder folder;
};

TEST_F(RulesFileGame, NewGameSavedLoadedAndSavedAgainGivesTheSameBlock) {
    Ref<RunningGame> game = RunningGame::NewGame("Sorceress", u"Morgan", 1, 1);
    EXPECT_EQ(game->time().daysLeft(), 600);
    EXPECT_EQ(game->hero().army().ToText(), "Sprites:30,Gnomes:10");
    const std::vector<uint8_t> first = Saved(*game);
    Ref<RunningGame> loaded = Loaded(first);
    EXPECT_EQ(Saved(*loaded), first);
    EXPECT_EQ(loaded->hero().name(), u"Morgan");
    EXPECT_EQ(loaded->hero().sceptreCell(), game->hero().sceptreCell());
    EXPECT_TRUE(loaded->here().terrain().IsExplored({11, 18}));
    // After a walk through a week and its budget, the same holds.
    for (int i = 0; i < 7 * 16; ++i) StepHero(*loaded, i % 32 < 16 ? 1 : -1, 0);
    ASSERT_EQ(ui.open.size(), 1u);  // the week's message
    ui.Answer("Continue");
    ui.Answer("OK");
    EXPECT_EQ(loaded->time().week(), 1);
    const std::vector<uint8_t> later = Saved(*loaded);
    EXPECT_NE(later, first);
    EXPECT_EQ(Saved(*Loaded(later)), later);
}

TEST_F(RulesFileGame, ASaveFileKeepsTheGameAndSpeaksTheHerosLanguage) {
    SetAppDir(folder.path() + "/");
    folder.WriteFile("Corvanth.CFG", "");
    SetCfgPath(folder.path() + "/Corvanth.CFG");
    folder.WriteFile(
        "English.lng.txt",
        test::LanguageFile(u"[<NAME> the <TITLE>]\n<NAME>, <TITLE>\n[Sorceress]\nWitch\n"
                           u"[My dear <NAME>,|F]\nMy lady <NAME>,\n"
                           u"[you must capture <N> villains|2]\nbring me two villains\n"));
    LoadLanguage("English.lng.txt");
    Ref<RunningGame> game = RunningGame::NewGame("Sorceress", u"Morgan", 1, 1);
    EXPECT_EQ(KingAudience(game->hero()), u"My lady Morgan,\nbring me two villains");
    EXPECT_EQ(game->hero().NameWithTitle(), u"Morgan, Witch");
    CurrentSaveName().clear();
    SaveGame(*game);
    const SaveEntry entry = ReadSaveInfo("1");
    EXPECT_EQ(entry.displayName, u"Morgan, Witch");
    EXPECT_EQ(entry.daysLeft, u"600");
    auto loaded = MakeRef<RunningGame>();
    LoadGame("1", *loaded);
    EXPECT_EQ(Saved(*loaded), Saved(*game));
}

TEST_F(RulesFileGame, AHeroOffTheSavedContinentsIsRefused) {
    Ref<RunningGame> game = RunningGame::NewGame("Knight", u"Arthur", 0, 2);
    EXPECT_EQ(game->time().daysLeft(), 400);
    game->hero().MoveTo(1, {5, 5});
    EXPECT_EQ(test::ErrorOf([&] { Loaded(Saved(*game)); }),
              "Invalid  format or save corrupted: Invalid hero position");
    game->hero().MoveTo(0, {5, 64});
    EXPECT_EQ(test::ErrorOf([&] { Loaded(Saved(*game)); }),
              "Invalid  format or save corrupted: Invalid hero position");
    game->hero().MoveTo(0, {5, 5});
    game->hero().SetSceptre(3, {1, 1});
    EXPECT_EQ(test::ErrorOf([&] { Loaded(Saved(*game)); }),
              "Invalid  format or save corrupted: Invalid sceptre position");
}

}  // namespace
}  // namespace cv
