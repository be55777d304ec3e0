#include <gtest/gtest.h>

#include "game/model/army.h"
#include "game/model/army_rules.h"
#include "game/model/unit_tables.h"
#include "game_test_support.h"

namespace cv {
namespace {

using test::ErrorOf;

using test::ArmyOf;
using Armies = test::WithKnight;

TEST_F(Armies, UnitTablesTakeFlagsColoursAndMoraleGroups) {
    const UnitTables& units = Units();
    EXPECT_EQ(units.UnitAt(2)->id, "Archers");  // placed by "Index", not by name
    EXPECT_EQ(units.UnitById("Ghosts")->flags, kUnitGhost | kUnitFly);
    EXPECT_EQ(units.UnitById("Druids")->flags, uint32_t{kUnitSpellShoot});  // "Fly = 0"
    EXPECT_EQ(units.SourceById("Plains").colour, 0xFF8080FFu);
    EXPECT_EQ(units.UnitById("Vampires")->highMorale.size(), 8u);  // two groups joined
    EXPECT_TRUE(IsUndead(*units.UnitById("Ghosts")));
    EXPECT_FALSE(IsUndead(*units.UnitById("Demons")));
    EXPECT_EQ(MaxControllable(*units.UnitById("Dragons"), 0), INT32_MAX);  // "Lead = 0"
    EXPECT_EQ(ErrorOf([&] { units.SourceById(""); }), "Invalid Unit Source: <>");
}

TEST_F(Armies, UnitTableDefinitionErrorsAreReported) {
    auto load = [](const std::string& text) { return ErrorOf([&] { test::LoadRules(text); }); };
    const std::string sources = "Army.Sources.Plains.Color = \"FF\"\n";
    auto unit = [&](const std::string& index, const std::string& source) {
        return sources + "Army.Units.P { Index = " + index + " Source = " + source +
               " SL = 1 MV = 1 Hit = 1 Dmg1 = 1 Dmg2 = 1 Pay = 1 Cost = 1 }\n";
    };
    EXPECT_EQ(load("Army.Units { }"), "Not found path: Army.Sources");
    EXPECT_EQ(load(unit("0", "Sea")), "Invalid Unit Source: <Sea>");
    EXPECT_EQ(load(unit("1", "Plains")), "Not defined unit with index=0");
    EXPECT_EQ(load(unit("-1", "Plains")), "Invalid index=-1 of unit P");
    EXPECT_EQ(load(sources + "Army.Units.P { Index = 0 Source = Plains }"),
              "Not found ID <SL> in Unit P");
    EXPECT_EQ(load(unit("0", "Plains") + "Army.Units.P.LowMorale = \"Nobody\"\n" +
                   "Army.Groups.Folk = \"P\"\n"),
              "Invalid morale group name <Nobody> for unit <P>");
    EXPECT_EQ(load(unit("0", "Plains") + "Army.Units.Q.Cost = 5\n"), "no error");  // no "Index"
}

TEST_F(Armies, SlotsTextFormAndTheirFailures) {
    Ref<Army> army = ArmyOf("Peasants:5,Militia:6,Archers:7,Pikemen:8,Cavalry:9");
    EXPECT_FALSE(army->At(5) || army->At(-1));
    EXPECT_TRUE(army->CanTake("Archers"));
    EXPECT_FALSE(army->CanTake("Knights"));
    EXPECT_EQ(ErrorOf([&] { army->Merge("Knights", 1); }), "Too many squads in army");
    army->Merge("Archers", 3);
    Ref<Squad> pikemen = army->Find("Pikemen");
    army->RemoveSlot(1);  // the rest close up
    EXPECT_EQ(army->ToText(), "Peasants:5,Archers:10,Pikemen:8,Cavalry:9");
    EXPECT_EQ(army->SlotOf(pikemen.get()), 2);
    army->Add("Knights", 2);
    army->At(0)->SetCount(0);
    army->At(3)->SetCount(0);
    army->RemoveEmptySquads();
    EXPECT_EQ(army->ToText(), "Archers:10,Pikemen:8,Knights:2");
    EXPECT_EQ(ArmyOf("Peasants:20,Archers,Militia:0,Pikemen:-4,Cavalry:x")->ToText(),
              "Peasants:20,Archers:1,Militia:1,Pikemen:1,Cavalry:1");
    EXPECT_EQ(ArmyOf("Peasants:99999999999")->ToText(), "Peasants:2147483647");
    EXPECT_TRUE(ArmyOf("")->IsEmpty());
    EXPECT_EQ(ArmyOf("Militia:2,Militia:3")->SquadCount(), 2);  // added, not merged
    EXPECT_EQ(ErrorOf([&] { ArmyOf("Peasants:1,Orcs:4"); }), "Invalid Unit ID: <Orcs>");
    EXPECT_EQ(ErrorOf([&] { ArmyOf("Peasants:1,,Militia:2"); }), "Invalid Unit ID: <>");
    EXPECT_EQ(HowManyText(12, *Units().UnitById("Archers")), u"Some Archers");
}

TEST_F(Armies, MoraleFollowsGroupsAndLeadership) {
    // Knights like Folk, dislike Undead; Militia like Folk.
    Ref<Army> army = ArmyOf("Knights:2,Militia:10");
    auto morale = [&](int slot, int leadership) { return MoraleOf(*army, slot, leadership); };
    EXPECT_EQ(morale(0, 1000), Morale::kHigh);
    EXPECT_EQ(morale(1, 1000), Morale::kHigh);
    EXPECT_EQ(morale(2, 1000), Morale::kNorm);  // empty slot
    EXPECT_EQ(morale(0, 69), Morale::kOutOfControl);
    EXPECT_EQ(morale(0, 70), Morale::kHigh);
    army->Add("Ghosts", 3);
    EXPECT_EQ(morale(0, 1000), Morale::kLow);
    EXPECT_EQ(morale(1, 1000), Morale::kNorm);  // Ghosts are not Folk
    // Ghosts are in their own low set: always Low while in control.
    EXPECT_EQ(MoraleOf(*ArmyOf("Ghosts:1"), 0, 1000), Morale::kLow);
    // Pikemen have no high set, not even themselves: never High.
    EXPECT_EQ(MoraleOf(*ArmyOf("Pikemen:1"), 0, 1000), Morale::kNorm);
}

TEST_F(Armies, OutOfControlWarningNamesSquadsAndShowsTheNeediest) {
    Ref<Army> army = ArmyOf("Militia:30,Archers:12,Pikemen:6");  // needs 60, 60, 60
    int after = 0;
    EXPECT_FALSE(WarnOutOfControl(*army, 60, [&] { ++after; }));
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(ui.open.empty());
    EXPECT_TRUE(WarnOutOfControl(*army, 59, [&] { ++after; }));
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(ui.open.front().message.name, "OutOfControl_Warning");
    EXPECT_EQ(ui.open.front().message.picture, "Img\\Army\\Militia.Layer 1");  // first of a tie
    EXPECT_EQ(ui.FrontText(),
              "Attention! Warriors are out of control:\n - Militia\n - Archers\n - Pikemen");
    army->At(1)->SetCount(13);
    WarnOutOfControl(*army, 59);
    EXPECT_EQ(ui.open.back().message.picture, "Img\\Army\\Archers.Layer 1");
    ui.Answer("Continue");
    EXPECT_EQ(after, 2);
}

TEST_F(Armies, DismissAsksAndNeverTakesTheLastSquad) {
    Ref<Army> army = ArmyOf("Militia:3,Archers:2");
    int rebuilt = 0;
    EXPECT_TRUE(AskDismiss(army, 0, [&] { ++rebuilt; }));
    EXPECT_EQ(ui.FrontText(), "Are you sure to dismiss Militia ?");
    ui.Answer("No");
    AskDismiss(army, 0, [&] { ++rebuilt; });
    ui.Answer("Yes");
    EXPECT_EQ(army->ToText(), "Archers:2");
    EXPECT_EQ(rebuilt, 1);
    EXPECT_FALSE(AskDismiss(army, 0, [&] { ++rebuilt; }));
    EXPECT_TRUE(ui.open.empty());
}

}  // namespace
}  // namespace cv
