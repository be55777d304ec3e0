// The map of the continents as a player uses it: what the status line names,
// when the whole map may be shown, the walk round the continents, the voyage
// from the map; the adventure screen's lists of towns and castles; and the
// common "Hide" button.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/app_core.h"
#include "app/key_codes.h"
#include "castle_fixture.h"
#include "core/language.h"
#include "game/world/bonus_objects.h"
#include "platform/headless/headless_platform.h"
#include "screens/list_box.h"
#include "screens/map_view_dialog.h"
#include "screens_test_support.h"
#include "spell_test_rules.h"

namespace cv {
namespace {

// The castles' rules, a visited town "Portby" and an unvisited "Nook" on the
// isle, and a third continent "Deep" landed on at (4, 3).
constexpr const char* kMapRules = R"(
Maps.Isle.Towns { Portby { X = 5 Y = 4 Spell = "TimeStopSpell" } Nook { X = 1 Y = 4 } }
Maps.Deep { Index = 2 X0 = 4 Y0 = 3 EnemyIcon = "DeepIcon" MapIcon = m })";

class MapView : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"ScrMap", "TownsList", "WeekReport"});
        WritePictures({"Img/Main/sail.Layer 1"});
        OnIsleScreens::SetUp();
        Parse(*Root(), test::kCastleRules);
        Parse(*Root(), kMapRules);
        test::LoadTestSpells();
        for (const char* continent : {"Far", "Deep"})
            folder.WriteTerrain(continent, test::IsleTerrain());
        platform::Srand(1);
        Restart();
        game->here().FindTown("Portby")->SetVisited(true);
    }

    MapViewDialog& View() const { return dynamic_cast<MapViewDialog&>(*adventure->dialog()); }
    void Open() {
        Tap("Map");
        ASSERT_EQ(Top(), "ScrMap");
    }
    void TapCell(Cell cell) {
        const Rect r = dynamic_cast<ContinentMapWidget&>(OnTop("Map")).cellRect(cell);
        const int x = r.x + r.width / 2, y = r.y + r.height / 2;
        adventure->onPointer({PointerEvent::Press, x, y, PointerEvent::Left, 1});
        adventure->onPointer({PointerEvent::Release, x, y, 0, 1});
    }
    std::pair<bool, bool> ShowHideEnabled() const {
        return {OnTop("ShowMap").isEnabled(), OnTop("HideMap").isEnabled()};
    }
};

// The hero stands at (2, 2) and has seen x and y 0..4; Ashkeep covers
// (9..11, 0..1).
TEST_F(MapView, TheStatusNamesWhatStandsOnACellOnlyOnceSeenOrWithTheWholeMap) {
    auto chest = MakeRef<Treasure>();
    chest->SetCell({4, 4});
    game->here().AddObject(chest);
    hero().SetCompleteMap(0);
    Open();
    EXPECT_EQ(OnTop("Status").text(), u"X=2, Y=2 ");
    const struct {
        Cell cell;
        bool whole;
        std::u16string status;
    } cases[] = {
        {{4, 4}, false, u"X=4, Y=4 Treasure chest"}, {{5, 4}, false, u"X=5, Y=4 "},
        {{5, 4}, true, u"X=5, Y=4 Town of Portby"},  {{9, 1}, false, u"X=9, Y=1 "},
        {{9, 1}, true, u"X=9, Y=1 Castle Ashkeep"},  {{0, 63}, true, u"X=0, Y=63 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell.x * 100 + c.cell.y);
        TapOnDialog(c.whole ? "ShowMap" : "HideMap");
        TapCell(c.cell);
        EXPECT_EQ(OnTop("Status").text(), c.status);
    }
    // The keys walk the cursor and stop at the edge.
    for (int key : {kKeyLeft, kKeyHome, kKeyUp}) Key(key);
    EXPECT_EQ(OnTop("Status").text(), u"X=0, Y=63 ");
    for (int key : {kKeyPgDown, kKeyRight}) Key(key);
    EXPECT_EQ(OnTop("Status").text(), u"X=2, Y=62 ");
}

TEST_F(MapView, ShowAndHideMapOnlyWithThatContinentsMapAndOnlyForTheOtherState) {
    const struct {
        int mapped;  // the continent whose complete map the hero holds, -1 none
        const char* press;
        std::pair<bool, bool> enabled;
        bool whole;
    } cases[] = {
        {-1, nullptr, {false, false}, false}, {2, nullptr, {false, false}, false},
        {0, nullptr, {true, false}, false},   {0, "ShowMap", {false, true}, true},
        {0, "HideMap", {true, false}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.mapped) + (c.press ? c.press : ""));
        if (c.mapped >= 0) hero().SetCompleteMap(c.mapped);
        if (c.press) {
            TapOnDialog(c.press);
        } else {
            if (!Top().empty()) Key(kKeyEsc);
            Open();
        }
        EXPECT_EQ(std::pair(ShowHideEnabled(), View().wholeMapShown()),
                  std::pair(c.enabled, c.whole));
    }
}

TEST_F(MapView, PrevAndNextWalkTheReachableContinentsRound) {
    Open();
    EXPECT_FALSE(OnTop("Next").isEnabled() || OnTop("Prev").isEnabled());
    Key(kKeyEsc);
    hero().AddKnownContinent(2);  // Far stays unknown
    Open();
    std::vector<std::u16string> titles;
    // The previous and next keys step as the buttons do.
    const std::function<void()> steps[] = {[&] { TapOnDialog("Next"); }, [&] { Key(kKeyGrayPlus); },
                                           [&] { TapOnDialog("Prev"); },
                                           [&] { Key(kKeyGrayMinus); }};
    for (const auto& step : steps) {
        step();
        titles.push_back(OnTop("Title").text());
    }
    EXPECT_EQ(titles, (std::vector<std::u16string>{u"Deep", u"Isle", u"Deep", u"Isle"}));
}

TEST_F(MapView, TravelNeedsABoatAsksAndSailsButNotToTheHerosOwnContinent) {
    hero().AddKnownContinent(2);
    Open();
    sendMessage(nullptr, &View(), Message{"Button", "Travel", 0, nullptr});
    EXPECT_EQ(Top(), "ScrMap");
    TapOnDialog("Next");
    TapOnDialog("Travel");
    ASSERT_EQ(Top(), "MsgBox");
    EXPECT_EQ(OnTop("Text").text(), u"To travel to another continent you must board a boat.");
    TapOnDialog("Button0");

    hero().SetTravelMode(TravelMode::kSail);
    TapOnDialog("Travel");
    EXPECT_EQ(OnTop("Text").text(), u"Travel to Deep?");
    TapOnDialog("Button1");
    EXPECT_EQ(std::pair(Top(), hero().continent()), std::pair(std::string("ScrMap"), 0));
    TapOnDialog("Travel");
    TapOnDialog("Button0");
    EXPECT_EQ(std::tuple(hero().continent(), Position()), std::tuple(2, Cell{4, 3}));
    EXPECT_NE(Top(), "ScrMap");
}

TEST_F(MapView, TheListsOfTownsAndCastlesShowOnlyPlacesVisitedAndLeadNowhere) {
    game->here().FindCastle("Ashkeep")->SetFlag(Castle::kVisited, true);
    const std::u16string portby =
        u"Portby (" + GetText(game->here().FindTown("Portby")->spell()) + u")";
    const struct {
        const char* button;
        std::u16string header;
        std::vector<std::u16string> items;
    } cases[] = {
        {"Towns", u"Towns List", {u"Isle", portby, u"Far", u"Deep"}},
        {"Castles",
         u"Castles List",
         {u"Isle", u"Ashkeep (Various groups of monsters)", u"Far", u"Deep"}},
    };
    for (const auto& c : cases) {
        Tap(c.button);
        ASSERT_EQ(Top(), "TownsList");
        EXPECT_EQ(std::tuple(OnTop("Header").text(), OnTop("Count").isVisible(),
                             dynamic_cast<ListBox&>(OnTop("List")).items()),
                  std::tuple(c.header, false, c.items));
        for (int key : {kKeyDown, kKeySpace}) Key(key);
        EXPECT_EQ(std::pair(Top(), Position()), std::pair(std::string("TownsList"), Cell{2, 2}));
        TapOnDialog("Cancel");
        EXPECT_EQ(Top(), "");
    }
}

TEST_F(MapView, HideMinimisesTheWindowOnceAndLeavesTheMapOpen) {
    platform::HeadlessPlatform host("", nullptr);
    platform::SetCurrent(&host);
    {
        AppWindow app;
        Tap("Map");
        TapOnDialog("Hide");
        EXPECT_EQ(std::pair(host.minimizeCalls(), Top()), std::pair(1, std::string("ScrMap")));
        TapOnDialog("Cancel");
        EXPECT_EQ(Top(), "");
    }
    platform::SetCurrent(nullptr);
}

}  // namespace
}  // namespace cv
