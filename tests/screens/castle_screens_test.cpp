// The hero's own castle as a player uses it: the garrison page takes a squad
// only for the gold it costs and never his last one, the remove page hands
// squads back, the pages switch and the castle is left by Exit or Esc; and
// the castle gate's list, which sends him to a castle he has visited.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/key_codes.h"
#include "castle_fixture.h"
#include "game/model/game_ui.h"
#include "game/world/castle_rulers.h"
#include "platform/utf.h"
#include "screens/castle_main_dialog.h"
#include "screens/list_box.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class CastleScreens : public test::OnIsleScreens {
protected:
    // A new game on the rules with castles, the isle's "Redwall" the hero's
    // and empty.
    void SetUp() override {
        WriteForms({"CastleMain", "CastleGarrison", "CastleRemove", "TownsList"});
        WritePictures({"Forms/CastleMain/keep", "Img/Army/Archers.Layer 1"});
        OnIsleScreens::SetUp();
        Parse(*Root(), test::kCastleRules);
        folder.WriteTerrain("Far", test::IsleTerrain());
        Restart();
        redwall = game->here().FindCastle("Redwall");
        redwall->SetRuler(MakeHeroRuler(*redwall));
        redwall->SetGarrison(nullptr);
    }

    void Enter() { redwall->Visit(*game); }
    // The page the castle shows.
    Form& Page() const {
        auto& castle = dynamic_cast<CastleMainDialog&>(*adventure->dialog());
        return dynamic_cast<Form&>(*castle.stack().back());
    }
    GuiElement& OnPage(const std::string& widget) const {
        GuiElement* element = Page().findChild(widget);
        if (!element) throw std::logic_error("no " + widget);
        return *element;
    }
    std::u16string PageText(const std::string& widget) const { return OnPage(widget).text(); }
    void TapOnPage(const std::string& widget) {
        const Rect r = OnPage(widget).bounds();
        const int x = r.x + r.width / 2, y = r.y + r.height / 2;
        adventure->onPointer({PointerEvent::Press, x, y, PointerEvent::Left, 1});
        adventure->onPointer({PointerEvent::Release, x, y, 0, 1});
    }
    std::string GarrisonText() const {
        return redwall->garrison() ? redwall->garrison()->ToText() : "none";
    }

    Castle* redwall = nullptr;
};

// The knight's squads pay 40 (Militia:20) and 6 (Archers:2) a week.
TEST_F(CastleScreens, TheGarrisonPageTakesWhatTheGoldPaysButNeverTheLastSquad) {
    const struct {
        int gold;
        const char* army;
        std::u16string offer;
        bool moves;
        const char* armyAfter;
        const char* garrisonAfter;
    } cases[] = {
        {39, "Militia:20,Archers:2", u"Militia: 40 gold", false, "Militia:20,Archers:2", "none"},
        {40, "Militia:20,Archers:2", u"Militia: 40 gold", true, "Archers:2", "Militia:20"},
        {100, "Archers:2", u"Archers: 6 gold", false, "Archers:2", "Militia:20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gold);
        hero().army().Clear();
        hero().army().Parse(c.army);
        hero().SetGold(c.gold);
        Enter();
        ASSERT_EQ(Top(), "CastleMain");
        EXPECT_EQ(PageText("Prompt"), u"Select army to garrison");
        EXPECT_EQ(PageText("Item0"), c.offer);
        EXPECT_EQ(OnPage("Item0").isEnabled(), c.moves);
        EXPECT_FALSE(OnPage("Item2").isEnabled());
        TapOnPage("Item0");
        EXPECT_EQ(hero().army().ToText(), c.armyAfter);
        EXPECT_EQ(GarrisonText(), c.garrisonAfter);
        EXPECT_EQ(PageText("GP"), u"GP=" + Utf8ToUtf16(std::to_string(hero().gold())));
        TapOnPage("Exit");
        EXPECT_EQ(Top(), "");
    }
}

TEST_F(CastleScreens, TheRemovePageHandsSquadsBackAndWarnsOverTheCastle) {
    redwall->SetGarrison(test::ArmyOf("Pikemen:3,Archers:40"));
    Enter();
    EXPECT_EQ(PageText("Switch"), u"Remove");
    TapOnPage("Switch");
    EXPECT_EQ(Page().name(), "CastleRemove");
    EXPECT_EQ(std::pair(PageText("Prompt"), PageText("Switch")),
              std::pair(std::u16string(u"Select army to remove"), std::u16string(u"Garrison")));
    EXPECT_EQ(PageText("Item0"), u"Pikemen: 3");
    TapOnPage("Item0");
    EXPECT_EQ(std::pair(hero().army().ToText(), GarrisonText()),
              std::pair(std::string("Militia:20,Archers:2,Pikemen:3"), std::string("Archers:40")));
    EXPECT_EQ(PageText("Item0"), u"Archers: 40");
    EXPECT_FALSE(OnPage("Item1").isEnabled());

    TapOnPage("Item0");  // 42 archers are more than he leads
    ASSERT_EQ(Top(), "MsgBox");
    TapOnDialog("Button0");
    ASSERT_EQ(Top(), "CastleMain");
    Key(kKeyGrayPlus);  // the next key turns the page as "Switch" does
    EXPECT_EQ(Page().name(), "CastleGarrison");
    EXPECT_EQ(dynamic_cast<CastleMainDialog&>(*adventure->dialog()).stack().size(), 1u);
    Key(kKeyEsc);
    EXPECT_EQ(Top(), "");
}

TEST_F(CastleScreens, TheGateListSendsTheHeroOnlyToAVisitedCastleWhileHeOwnsTheSpell) {
    redwall->SetFlag(Castle::kVisited | Castle::kRulerKnown, true);
    hero().spells().Add("CastleGateSpell", 1);
    Ui().OpenScreen("CastleGate", {});
    ASSERT_EQ(Top(), "TownsList");
    Form& list = *adventure->dialog();
    EXPECT_EQ(std::pair(list.findChild("Header")->text(), list.findChild("Count")->text()),
              std::pair(std::u16string(u"Castles List"), std::u16string(u"Spells available: 1")));
    EXPECT_EQ(dynamic_cast<ListBox&>(*list.findChild("List")).items(),
              (std::vector<std::u16string>{u"Isle", u"Redwall (Your)", u"Far"}));
    EXPECT_FALSE(list.findChild("PgDown")->isEnabled());

    Key(kKeySpace);  // the continent's own line
    EXPECT_EQ(Top(), "TownsList");
    hero().spells().Remove("CastleGateSpell", 1);
    Key(kKeyDown);
    Key(kKeySpace);  // no spell left to open the gate
    EXPECT_EQ(std::pair(Top(), Position()), std::pair(std::string("TownsList"), Cell{2, 2}));
    hero().spells().Add("CastleGateSpell", 1);
    Key(kKeySpace);
    EXPECT_EQ(std::pair(Top(), Position()),
              std::pair(std::string(), Cell{5, 4}));  // sea at the gate
    EXPECT_EQ(hero().spells().Count("CastleGateSpell"), 0);
}

}  // namespace
}  // namespace cv
