// The simple objects of the map as the hero meets them: chests, artifacts,
// teleporters, maps, the teacher, dwellings, signs and the rented boat, and
// their records in a save.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "game/world/boat.h"
#include "game/world/bonus_objects.h"
#include "game/world/dwelling.h"
#include "game/world/hero_step.h"
#include "game/world/signpost.h"
#include "game/world/spell_teacher.h"
#include "game_test_support.h"
#include "platform/runtime_rand.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

// Every chest kind equally likely, leadership 2 to 10 in steps of 2 at 50 gold a point.
constexpr const char* kEveryChest =
    "GoldWeight = 1 IncomeWeight = 1 SpellWeight = 1 SpellNumWeight = 1 SpellPowerWeight = 1 "
    "LeadMin = 2 LeadMax = 10 LeadFactor = 2 LeadCost = 50 IncomeMin = 100 IncomeMax = 300 "
    "SpellMin = 1 SpellMax = 4 SpellsCapMin = 1 SpellsCapMax = 3 SpellPowerMin = 2 "
    "SpellPowerMax = 5";

class MapObjects : public ::testing::Test {
protected:
    void SetUp() override {
        test::LoadIsleRules();
        Parse(*Root(), R"(StartHero { X0 = 2 Y0 = 2 }
Maps.Far { Index = 1 X0 = 2 Y0 = 2 EnemyIcon = e MapIcon = "Img\Inv\B5" }
Maps.Isle.Misc { Velmire { Type = TeachSpells X = 4 Y = 4 Cost = 5000 } }
Artifacts {
  C1 { Action = "Commission+250" ID = "You have found the Purse" } C2 { Action = "BoatRent=0" }
  C3 { Action = "BoatRent=" } C4 { Action = "BoatRent=250" } C5 { Action = "MaxSpellsNum*2" }
  C6 { Action = "SpellPower*2" }
})");
        folder.WriteTerrain("Isle", test::IsleTerrain());
        folder.WriteTerrain("Far", test::IsleTerrain());
        game = RunningGame::NewGame("Knight", u"Arthur", 0, 1);
        test::LoadTestSpells();
        UseBonusDef(kEveryChest);
    }
    void UseBonusDef(const std::string& bonusDef) {
        Parse(*Root(), "Maps.Isle { BonusDef { @ " + bonusDef + " } }");
        game->here().ReadHeader(FindNode(Root(), "Maps.Isle"));
    }
    template <class Type>
    Ref<Type> Put(Cell cell, const std::string& name = {}) {
        auto object = MakeRef<Type>();
        object->SetName(name);
        object->SetCell(cell);
        game->here().AddObject(object);
        return object;
    }
    bool OnIsle(const MapObj* object) const {
        const auto& objects = game->here().objects();
        return std::any_of(objects.begin(), objects.end(),
                           [object](const Ref<MapObj>& o) { return o.get() == object; });
    }
    Hero& hero() { return game->hero(); }

    test::GameFolder folder;
    test::FakeUi ui;
    Ref<RunningGame> game;
};

// The chest's kind is drawn first, then its amount, then a spell's kind:
// the seeds' first draws are 41, 6736, 13117, 19664 and 26218 of 32768.
TEST_F(MapObjects, EachChestKindDrawsItsAmountAndPaysWhenItsMessageCloses) {
    struct Case {
        unsigned seed;
        const char* text;
        const char* picture;
        const char* buttons;
        std::function<int(const Hero&)> figure;
        int before, after;
        bool atOnce;
    };
    const Case cases[] = {
        {1, "Take 300 gold or increase leadership by 6", "Img\\treasure", "Leadership,Gold",
         &Hero::gold, 7500, 7800, false},
        {2051, "Your weekly income increased by 299", "", "OK", &Hero::commission, 1000, 1299,
         false},  // 300 itself is never drawn
        {4005, "You receive 3 CloneSpell", "Img\\spell", "OK",
         [](const Hero& h) { return h.spells().Count("CloneSpell"); }, 0, 3, true},
        {6010, "Your maximum spell capacity is increased by 2", "Img\\Nomad", "OK",
         &Hero::maxSpells, 0, 2, false},
        {8017, "Your spell power is increased by 4", "Img\\canister", "OK", &Hero::spellPower, 0, 4,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_EQ(c.figure(hero()), c.before);
        Ref<Treasure> chest = Put<Treasure>({3, 2});
        platform::Srand(c.seed);
        EXPECT_FALSE(chest->Visit(*game));
        ASSERT_EQ(ui.open.size(), 1u);
        const GameMessage& shown = ui.open.front().message;
        EXPECT_EQ(ui.FrontText(), c.text);
        EXPECT_EQ(std::tuple(shown.picture, shown.buttons, shown.justification),
                  std::tuple(c.picture, c.buttons, "LC"));
        EXPECT_EQ(c.figure(hero()), c.atOnce ? c.after : c.before);
        EXPECT_TRUE(OnIsle(chest.get()));
        ui.Answer("Gold");
        EXPECT_EQ(c.figure(hero()), c.after);
        EXPECT_FALSE(OnIsle(chest.get()));
    }
    UseBonusDef("GoldWeight = 0");
    EXPECT_EQ(test::ErrorOf([&] { Put<Treasure>({3, 2})->Visit(*game); }), "Invalid Bonus");
}

// Leadership 2 to 10 by rand_n(5) of the second draw (5628 and 28693); the
// Crown of Command doubles the leadership offered, not the gold.
TEST_F(MapObjects, AChestOffersGoldOrLeadershipInStepsOfTheFactor) {
    const std::tuple<unsigned, bool, const char*, const char*, int, int> cases[] = {
        {12, false, "Gold", "Take 100 gold or increase leadership by 2", 100, 0},
        {5, false, "Leadership", "Take 500 gold or increase leadership by 10", 0, 10},
        {5, true, "Leadership", "Take 500 gold or increase leadership by 20", 0, 20},
        {5, true, "Gold", "Take 500 gold or increase leadership by 20", 500, 0},
    };
    for (const auto& [seed, crown, answer, text, gold, leadership] : cases) {
        if (crown && !hero().OwnsArtifact("A3")) hero().AddArtifact("A3");
        const int goldBefore = hero().gold(), leadershipBefore = hero().leadership();
        platform::Srand(seed);
        Put<Treasure>({3, 2})->Visit(*game);
        EXPECT_EQ(ui.FrontText(), text);
        ui.Answer(answer);
        EXPECT_EQ(hero().gold() - goldBefore, gold) << text;
        EXPECT_EQ(hero().leadership() - leadershipBefore, leadership) << text;
    }
}

TEST_F(MapObjects, AnArtifactJoinsTheHeroAndActsOnHim) {
    hero().AddLeadershipBonus(20);
    hero().AddMaxSpells(3);
    hero().AddSpellPower(2);
    // Leadership, leadership bonus, max spells, spell power, commission, boat rent.
    using Figures = std::array<int, 6>;
    const auto figures = [&] {
        const Hero& h = hero();
        return Figures{h.leadership(), h.leadershipBonus(), h.maxSpells(),
                       h.spellPower(), h.commission(),      h.boatRent()};
    };
    const std::pair<const char*, Figures> cases[] = {
        {"A3", {220, 20, 3, 2, 1000, 300}},  // doubles leadership and bonus together
        {"C5", {220, 20, 6, 2, 1000, 300}}, {"C6", {220, 20, 6, 4, 1000, 300}},
        {"C1", {220, 20, 6, 4, 1250, 300}}, {"C2", {220, 20, 6, 4, 1250, 100}},
        {"C4", {220, 20, 6, 4, 1250, 250}}, {"C3", {220, 20, 6, 4, 1250, 100}},
        {"A1", {220, 20, 6, 4, 1250, 100}},  // "Damage*3/2" is for battle
        {"Z9", {220, 20, 6, 4, 1250, 100}},  // no such artifact
        {"", {220, 20, 6, 4, 1250, 100}},
    };
    for (const auto& [id, after] : cases) {
        Ref<ArtifactObject> artifact = Put<ArtifactObject>({3, 2}, id);
        EXPECT_FALSE(artifact->Visit(*game));
        EXPECT_EQ(figures(), after) << id;
        EXPECT_EQ(hero().OwnsArtifact(id), std::string(id).size() == 2 && id[0] != 'Z') << id;
        if (!ui.open.empty()) ui.Answer("OK");
        EXPECT_FALSE(OnIsle(artifact.get())) << id;
    }
    EXPECT_EQ(hero().damageFactor().mul, 3);

    // Only an artifact with an "ID" tells of its finding.
    ui.open.clear();
    Put<ArtifactObject>({3, 2}, "C1")->Visit(*game);
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(ui.FrontText(),
              "You have found the Purse...\n...and a piece of map to the stolen scepter");
    EXPECT_EQ(ui.open.front().message.picture, "Img\\Inv\\C1");
    EXPECT_EQ(ui.open.front().message.justification, "LC");
}

TEST_F(MapObjects, TeleportersAndMapsMoveTheHeroAndWidenWhatHeKnows) {
    const TerrainMap& isle = game->here().terrain();
    Ref<Teleporter> port = Put<Teleporter>({3, 2});
    port->SetTarget({1, 4});
    EXPECT_FALSE(isle.IsExplored({1, 6}));
    hero().SetTravelMode(TravelMode::kSail);
    StepHero(*game, 1, 0);
    EXPECT_EQ(std::tuple(hero().position(), hero().travelMode(), game->time().stepCounter()),
              std::tuple(Cell{1, 4}, TravelMode::kLand, 0));
    EXPECT_TRUE(isle.IsExplored({1, 6}) && isle.IsExplored({3, 6}) && !isle.IsExplored({4, 6}));
    EXPECT_TRUE(OnIsle(port.get()));

    Ref<ContinentMap> passage = Put<ContinentMap>({5, 5});
    passage->SetTarget("Far");
    EXPECT_FALSE(hero().KnowsContinent(1));
    EXPECT_FALSE(passage->Visit(*game));
    EXPECT_TRUE(hero().KnowsContinent(1));
    EXPECT_EQ(ui.FrontText(), "You find map describing passage to Far");
    EXPECT_EQ(ui.open.front().message.picture, "Img\\Inv\\B5");
    ui.Answer("OK");
    EXPECT_FALSE(OnIsle(passage.get()));
    passage->SetTarget("Nowhere");
    EXPECT_EQ(test::ErrorOf([&] { passage->Visit(*game); }), "Invalid Continent ID: Nowhere");

    Ref<MapRevealer> revealer = Put<MapRevealer>({5, 4});
    EXPECT_FALSE(revealer->Visit(*game));
    EXPECT_TRUE(hero().HasCompleteMap(0) && !hero().HasCompleteMap(1));
    EXPECT_EQ(ui.FrontText(), "Your map of this area is complete");
    EXPECT_EQ(ui.open.back().message.picture, "Img\\Inv\\A5");
}

TEST_F(MapObjects, TheTeacherSellsMagicForHisPriceAndLeavesCastersAlone) {
    Ref<MapObj> velmire = game->here().FindObject("Velmire");
    auto* teacher = dynamic_cast<SpellTeacher*>(velmire.get());
    ASSERT_NE(teacher, nullptr);
    const std::tuple<int, const char*, bool> cases[] = {
        {4999, "OK", false}, {5000, "Cancel", false}, {5000, "OK", true}};
    for (const auto& [gold, answer, taught] : cases) {
        hero().SetGold(gold);
        EXPECT_TRUE(teacher->Visit(*game));
        ASSERT_EQ(ui.open.front().screen, "TeachSpell");
        EXPECT_EQ(ui.open.front().subject.get(), teacher);
        ui.Answer(answer);
        EXPECT_EQ(std::tuple(hero().canUseSpells(), hero().gold(), OnIsle(teacher)),
                  std::tuple(taught, taught ? 0 : gold, !taught));
    }
    const auto teacherFor = [](const char* classId) {
        return RunningGame::NewGame(classId, u"Arthur", 0, 1)->here().FindObject("Velmire");
    };
    EXPECT_NE(teacherFor("Knight"), nullptr);
    EXPECT_EQ(teacherFor("Sorceress"), nullptr);
}

TEST_F(MapObjects, ADwellingSellsFromItsStockWhichRefillsInItsUnitsWeek) {
    Location& isle = game->here();
    Ref<Dwelling> archers = Put<Dwelling>({1, 3});
    archers->Setup(isle, "Archers");  // of the forest, kind 5
    Ref<Dwelling> militia = Put<Dwelling>({0, 5});
    militia->Setup(isle, "Militia");  // of the plains, which have no ground
    EXPECT_EQ(std::tuple(isle.TerrainAt({1, 3}), isle.terrain().IsExplored({1, 3})),
              std::tuple(5, true));
    EXPECT_EQ(std::tuple(isle.TerrainAt({0, 5}), isle.terrain().IsExplored({0, 5})),
              std::tuple(1, false));
    EXPECT_EQ(std::tuple(archers->available(), militia->available()), std::tuple(40, 0));
    EXPECT_EQ(archers->Caption(), u"Forest:Archers");
    EXPECT_EQ(test::ErrorOf([&] { archers->Setup(isle, "Nobody"); }), "Invalid Unit ID: <Nobody>");

    // Archers cost 250: 1,000 gold pays 4 of 5 asked for; "0" takes nothing.
    hero().SetGold(1000);
    for (const char* count : {"0", "5"}) {
        EXPECT_TRUE(archers->Visit(*game));
        EXPECT_EQ(ui.open.front().screen, "Warriors");
        ui.Answer(count);
    }
    EXPECT_EQ(std::tuple(hero().army().ToText(), hero().gold(), archers->available()),
              std::tuple("Militia:20,Archers:6", 0, 36));

    militia->SetAvailable(7);
    platform::Srand(1996);  // r = 6556: rand_n(12) = 2, the archers' week
    game->time().EndWeekNow();
    ASSERT_EQ(game->time().unitOfWeek(), "Archers");
    EXPECT_EQ(std::tuple(archers->available(), militia->available()), std::tuple(40, 7));
}

TEST_F(MapObjects, ASignOpensOnceReadAndTheRentedBoatCarriesTheHero) {
    Ref<Signpost> sign = Put<Signpost>({3, 2}, "Beware of wolves");
    Put<Signpost>({4, 2});
    StepHero(*game, 1, 0);
    EXPECT_EQ(hero().position(), (Cell{3, 2}));
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(std::tuple(ui.open.front().screen, ui.open.front().subject.get()),
              std::tuple("Sign", static_cast<RefCounted*>(sign.get())));
    EXPECT_TRUE(sign->shown());
    ui.Answer("Cancel");
    StepHero(*game, 1, 0);  // the blank sign has nothing to say
    EXPECT_TRUE(ui.open.empty());
    EXPECT_FALSE(sign->shown());

    StepHero(*game, 1, 0);
    Ref<Boat> boat = Put<Boat>({6, 2});
    game->SetRentedBoat(boat);
    EXPECT_EQ(boat->MapPicture(*game), "Img\\Main\\sail.Layer 1");
    StepHero(*game, 1, 0);
    EXPECT_EQ(std::tuple(hero().position(), hero().travelMode(), boat->MapPicture(*game)),
              std::tuple(Cell{6, 2}, TravelMode::kSail, ""));

    // A save knows the hero's boat, and no sign.
    const Ref<RunningGame> loaded = test::LoadedGame(test::SavedGame(*game));
    const Ref<MapObj> found = loaded->rentedBoat();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(std::tuple(found->Factory().name(), found->cell()), std::tuple("Sail", Cell{6, 2}));
    EXPECT_EQ(loaded->here().ObjectAt({3, 2}), nullptr);
    game->SetRentedBoat(nullptr);
    EXPECT_FALSE(boat->rented());
}

// Version 0, type, name, X, Y, then each type's own fields.
std::vector<uint8_t> Record(const std::string& type, const std::string& name,
                            const std::function<void(ChunkWriter&)>& extra) {
    MemoryStream data;
    ChunkWriter out(data);
    out.U8(0);
    out.StoredString(type);
    out.StoredString(name);
    out.I32(7);
    out.I32(9);
    if (extra) extra(out);
    return data.bytes();
}

TEST_F(MapObjects, EachTypeWritesItsRecordAndReadsItBack) {
    auto port = MakeRef<Teleporter>();
    port->SetTarget({12, 34});
    auto passage = MakeRef<ContinentMap>();
    passage->SetTarget("Far");
    auto dwelling = MakeRef<Dwelling>();
    dwelling->SetCell({7, 9});
    dwelling->Setup(game->here(), "Archers");
    dwelling->SetAvailable(33);
    auto teacher = MakeRef<SpellTeacher>();
    teacher->SetPrice(5000);
    auto boat = MakeRef<Boat>();
    boat->SetRented(true);
    const std::tuple<Ref<MapObj>, const char*, std::function<void(ChunkWriter&)>> cases[] = {
        {MakeRef<Treasure>(), "RndBonus", {}},
        {MakeRef<ArtifactObject>(), "Art", {}},
        {port, "Teleport", [](ChunkWriter& out) { out.I32(12), out.I32(34); }},
        {MakeRef<MapRevealer>(), "ShowMap", {}},
        {passage, "NextMap", [](ChunkWriter& out) { out.StoredString("Far"); }},
        {dwelling, "Recr", [](ChunkWriter& out) { out.StoredString("Archers"), out.I32(33); }},
        {teacher, "TeachSpell", [](ChunkWriter& out) { out.I32(5000); }},
        {boat, "Sail", [](ChunkWriter& out) { out.U8(1); }},
    };
    for (const auto& [object, type, extra] : cases) {
        object->SetName("A3");
        object->SetCell({7, 9});
        const std::vector<uint8_t> bytes = Record(type, "A3", extra);
        EXPECT_EQ(test::SavedBytes(*object), bytes) << type;
        Ref<MapObj> read;
        test::ReadBytes(bytes, [&](ChunkReader& in) { read = CreateFromStream(in); });
        EXPECT_EQ(test::SavedBytes(*read), bytes) << type;
    }
}

}  // namespace
}  // namespace cv
