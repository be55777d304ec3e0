// Castles as the map holds them: their cells and rulers, what towns and the
// gate spell learn of them, their records, the weekly fall-back and the
// pages of the hero's own castle.
#include <gtest/gtest.h>

#include <tuple>

#include "castle_fixture.h"
#include "game/world/castle_garrison.h"
#include "game/world/castle_gate.h"
#include "game/world/castle_rulers.h"
#include "platform/utf.h"

namespace cv {
namespace {

using Castles = test::CastlesOnIsle;

std::string Utf8(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

std::string GarrisonOf(const Castle& castle) {
    return castle.garrison() ? castle.garrison()->ToText() : "none";
}

TEST_F(Castles, StandOnThreeByTwoCellsInTheMonstersHands) {
    const Location& isle = game->here();
    ASSERT_EQ(isle.castles().size(), 2u);
    Castle& redwall = Named("Redwall");
    EXPECT_EQ(isle.ObjectAt({21, 21}).get(), &redwall);
    for (Cell inside : {Cell{19, 20}, Cell{21, 21}}) EXPECT_TRUE(redwall.IsAt(inside));
    for (Cell outside : {Cell{18, 20}, Cell{22, 21}, Cell{20, 19}, Cell{20, 22}}) {
        EXPECT_FALSE(redwall.IsAt(outside)) << outside.x << "," << outside.y;
    }
    EXPECT_EQ(
        std::tuple(redwall.flags(), GarrisonOf(redwall), Utf8(redwall.Caption()),
                   redwall.MapColor(), Named("Dun").continent()),
        std::tuple(0u, std::string("Knights:6"), std::string("Castle Redwall"), 0xFFFF0000u, 1));
    EXPECT_STREQ(redwall.ruler()->TypeId(), "Mon");

    // Who may take a villain in, and the hero's colour on the small map.
    EXPECT_EQ(std::tuple(redwall.CanHostVillain(), Named("Dun").CanHostVillain()),
              std::tuple(true, false));
    redwall.SetRuler(MakeHeroRuler(redwall));
    EXPECT_EQ(std::tuple(redwall.CanHostVillain(), redwall.MapColor()),
              std::tuple(true, 0xFF000080u));
    redwall.SetRuler(nullptr);
    EXPECT_EQ(std::tuple(redwall.CanHostVillain(), redwall.MapColor()),
              std::tuple(true, 0xFFFF0000u));
}

// The gate list names a ruler only once the hero has learnt who it is.
TEST_F(Castles, TownNewsAndTheGateListTellTheRulerOnceKnown) {
    Castle& dun = Named("Dun");
    Castle& redwall = Named("Redwall");
    dun.SetFlag(Castle::kVisited, true);
    redwall.SetFlag(Castle::kVisited, true);
    redwall.SetRuler(MakeHeroRuler(redwall));
    auto lines = [&] {
        std::string text;
        for (const GateLine& line : CastleGateList(*game)) {
            text += Utf8(line.text) + "=" + line.target + ";";
        }
        return text;
    };
    EXPECT_EQ(lines(),
              "Isle=;Redwall (Various groups of monsters)=Redwall;"
              "Far=;Dun (Various groups of monsters)=Dun;");

    EXPECT_EQ(Utf8(dun.InfoText()), "Castle Dun is under Villain1's rule.\n - Many Militia");
    EXPECT_TRUE(villain().seen());
    EXPECT_EQ(Utf8(redwall.InfoText()), "Castle Redwall is under your rule.\n - A few Knights");
    EXPECT_EQ(lines(), "Isle=;Redwall (Your)=Redwall;Far=;Dun (Villain1)=Dun;");

    redwall.SetRuler(nullptr);
    redwall.SetGarrison(nullptr);
    EXPECT_EQ(Utf8(redwall.InfoText()), "Castle Redwall is under no ones's rule.");
    EXPECT_EQ(Utf8(redwall.RulerLabel()), "Various groups of monsters");
}

// The cell before the gate, or the nearest where the hero can stand when
// sea or the map's edge lies there.
TEST_F(Castles, TheGateSpellTakesTheHeroBeforeTheGate) {
    SpellContainer& spells = hero().spells();
    EXPECT_FALSE(CastleGate(*game, "Dun")) << "without the spell";
    spells.Add("CastleGateSpell", 3);
    EXPECT_FALSE(CastleGate(*game, "Nowhere"));
    EXPECT_EQ(spells.Count("CastleGateSpell"), 3);

    Named("Redwall").SetCell({3, 6});
    ASSERT_TRUE(CastleGate(*game, "Redwall"));
    EXPECT_EQ(hero().position(), (Cell{3, 5}));

    hero().SetTravelMode(TravelMode::kSail);
    ASSERT_TRUE(CastleGate(*game, "Dun"));
    EXPECT_EQ(std::tuple(hero().continent(), hero().position(), hero().travelMode()),
              std::tuple(1, Cell{0, 5}, TravelMode::kLand))
        << "the sea before the gate: the first land fourteen cells off";
    EXPECT_TRUE(game->here().terrain().IsExplored({0, 5}));
    ASSERT_TRUE(CastleGate(*game, "Ashkeep"));
    EXPECT_EQ(std::tuple(hero().continent(), hero().position()), std::tuple(0, Cell{5, 2}))
        << "below the bottom row: the nearest land";
    EXPECT_EQ(spells.Count("CastleGateSpell"), 0);
}

TEST_F(Castles, RecordsKeepEachRulerTheGarrisonAndTheFlags) {
    Castle& redwall = Named("Redwall");
    redwall.SetRuler(MakeHeroRuler(redwall));
    redwall.SetGarrison(nullptr);
    redwall.SetFlag(Castle::kVisited | Castle::kRulerKnown, true);
    const std::vector<uint8_t> dun = test::SavedBytes(Named("Dun"));
    EXPECT_EQ(test::TextAt(dun, dun.size() - 6, 6), std::string("\x03\0Vil\x01", 6));

    const std::vector<uint8_t> saved = test::SavedBytes(game->world());
    villain().SetCastle({});
    World restored;
    test::ReadBytes(saved, [&](ChunkReader& in) { restored.Load(in, Root()); });
    ReconnectVillains(restored, game->villains());
    std::string text;
    for (int i = 0; i < restored.Count(); ++i) {
        for (const Ref<Castle>& castle : restored.Get(i)->castles()) {
            text += castle->name() + " " + castle->ruler()->TypeId() + " " + GarrisonOf(*castle) +
                    " " + std::to_string(castle->flags()) + "; ";
        }
    }
    EXPECT_EQ(text, "Ashkeep Mon Knights:6 0; Redwall My none 3; Dun Vil Militia:30 0; ");
    EXPECT_EQ(Utf8(restored.Get(1)->FindCastle("Dun")->ruler()->RulerName()), "Villain1");
    EXPECT_EQ(villain().castle(), "Dun");

    VillainTable none;
    EXPECT_EQ(test::ErrorOf([&] { ReconnectVillains(restored, none); }),
              "Invalid number of Villain = 1");
    const std::vector<uint8_t> ashkeep = test::SavedBytes(Named("Ashkeep"));
    const auto broken = test::Patched(ashkeep, ashkeep.size() - 3, "Xyz");
    EXPECT_EQ(test::ErrorOf(
                  [&] { test::ReadBytes(broken, [](ChunkReader& in) { CreateFromStream(in); }); }),
              "Invalid Castle owner ID: <Xyz>");
}

TEST_F(Castles, ACastleLeftWithoutUnitsFallsBackToTheMonstersAtTheWeek) {
    Castle& redwall = Named("Redwall");
    struct Case {
        bool heros;
        const char* garrison;  // "" for none, "-" for a squad of no units
        const char* after;
        int garrisoned;
    };
    for (const Case& c :
         {Case{true, "", "Mon Knights:6 0", 0}, Case{true, "-", "Mon Knights:6 0", 0},
          Case{true, "Peasants:5", "My Peasants:5 3", 1}, Case{false, "", "Mon Knights:6 0", 1}}) {
        hero().AddCastlesGarrisoned(1 - hero().castlesGarrisoned());
        redwall.SetRuler(c.heros ? MakeHeroRuler(redwall) : MakeMonstersRuler(redwall));
        redwall.SetFlag(Castle::kVisited | Castle::kRulerKnown, true);
        redwall.SetGarrison(nullptr);
        if (*c.garrison) {
            redwall.SetGarrison(test::ArmyOf(c.garrison[0] == '-' ? "Peasants:1" : c.garrison));
            if (c.garrison[0] == '-') redwall.garrison()->At(0)->SetCount(0);
        }
        redwall.OnNewWeek(*game);
        EXPECT_EQ(std::string(redwall.ruler()->TypeId()) + " " + GarrisonOf(redwall) + " " +
                      std::to_string(redwall.flags()),
                  c.after)
            << c.garrison;
        EXPECT_EQ(hero().castlesGarrisoned(), c.garrisoned) << c.garrison;
    }
}

// The gold and the last squad are the castle screen's tests; here the
// garrison's room: a full one without the unit, and a squad merged into it.
TEST_F(Castles, GarrisonPageOffersWhatTheGarrisonHasRoomFor) {
    Castle& redwall = Named("Redwall");
    auto offer = [&](int slot) {
        const GarrisonButton b = GarrisonOffer(hero(), redwall, slot);
        return Utf8(b.label) + (b.enabled ? " on" : " off");
    };
    hero().SetGold(100);
    hero().army().Clear();
    hero().army().Parse("Militia:5,Archers:2");
    redwall.SetGarrison(test::ArmyOf("Militia:20,Peasants:1,Pikemen:1,Cavalry:1,Knights:1"));
    EXPECT_EQ(offer(1), "Archers: 6 gold off") << "a full garrison without Archers";
    EXPECT_EQ(offer(0), "Militia: 10 gold on") << "merged into its Militia";
    ASSERT_TRUE(Garrison(hero(), redwall, 0));
    EXPECT_EQ(redwall.garrison()->At(0)->count(), 25);
    EXPECT_FALSE(Garrison(hero(), redwall, 0)) << "his last squad stays with him";
}

TEST_F(Castles, RemovePageNeedsRoomInTheHerosArmy) {
    Castle& redwall = Named("Redwall");
    redwall.SetGarrison(test::ArmyOf("Knights:6"));
    hero().army().Clear();
    hero().army().Parse("Peasants:1,Pikemen:1,Cavalry:1,Militia:1,Archers:1");
    const GarrisonButton button = RemoveOffer(hero(), redwall, 0);
    EXPECT_EQ(Utf8(button.label) + (button.enabled ? " on" : " off"), "Knights: 6 off");
    EXPECT_FALSE(Remove(hero(), redwall, 0));
    hero().army().Clear();
    hero().army().Parse("Knights:1,Militia:1");
    ASSERT_TRUE(Remove(hero(), redwall, 0));
    EXPECT_EQ(hero().army().ToText(), "Knights:7,Militia:1");
}

}  // namespace
}  // namespace cv
