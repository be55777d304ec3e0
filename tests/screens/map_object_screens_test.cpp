// The forms of the map's objects as a player meets them, stepping onto a
// dwelling, the teacher of magic and a signpost.
#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "game/world/dwelling.h"
#include "game/world/signpost.h"
#include "game/world/spell_teacher.h"
#include "gui/num_field.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class MapObjectScreens : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"Warriors", "TeachSpell", "Sign"});
        WritePictures({"Img/Warriors/Forest"});
        WriteSliderPictures();
        OnIsleScreens::SetUp();
    }
    // Puts the object east of the hero and steps onto it.
    template <class Type>
    Ref<Type> StepOnto(Ref<Type> object) {
        object->SetCell({3, 2});
        game->here().AddObject(object);
        Tap("C4");
        return object;
    }
    Ref<Dwelling> StepOntoArchers(int available) {
        auto dwelling = MakeRef<Dwelling>();
        dwelling->SetCell({3, 2});
        dwelling->Setup(game->here(), "Archers");
        dwelling->SetAvailable(available);
        return StepOnto(dwelling);
    }
    NumField& Count() const { return dynamic_cast<NumField&>(OnTop("Count")); }
};

// Archers cost 250 and take 5 leadership of the knight's 100.
TEST_F(MapObjectScreens, TheRecruitingFormOffersWhatStockLeadershipGoldAndSlotsAllow) {
    const struct {
        const char* army;
        int gold, available;
        std::u16string limit;
        int most;
        std::u16string warning;
    } cases[] = {
        {"Militia:20,Archers:2", 1000, 40, u"You may recruit up to 18", 4, u""},  // 4 paid exactly
        {"Militia:20,Archers:2", 999, 40, u"You may recruit up to 18", 3, u""},
        {"Archers:15", 7500, 40, u"You may recruit up to 5", 5, u""},
        {"Archers:15", 7500, 2, u"You may recruit up to 5", 2, u""},
        {"Peasants:1,Militia:1,Pikemen:1,Cavalry:1,Knights:1", 7500, 40,
         u"You may recruit up to 20", 0, u"Army Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.army);
        hero().army().Clear();
        hero().army().Parse(c.army);
        hero().SetGold(c.gold);
        Ref<Dwelling> dwelling = StepOntoArchers(c.available);
        EXPECT_EQ(Position(), (Cell{2, 2}));
        ASSERT_EQ(Top(), "Warriors");
        EXPECT_EQ(std::vector<std::u16string>(
                      {Text("Place"), Text("UnitName"), Text("Cost"), Text("How")}),
                  (std::vector<std::u16string>{u"Forest", u"Archers.", u"Cost= 250 each",
                                               u"Recruit how many"}));
        EXPECT_EQ(std::tuple(Text("Limit"), Count().maximum(), Text("Warning")),
                  std::tuple(c.limit, c.most, c.warning));
        EXPECT_EQ(std::tuple(OnTop("UnitName").color(kColorNorm), OnTop("GP").color(kColorNorm)),
                  std::tuple(0xFFFFFF00u, 0xFFDCDCDCu));
        // One more than the most is refused; Esc leaves with the units chosen.
        const int before = hero().army().TotalOf("Archers");
        for (int i = 0; i <= c.most; ++i) Key(kKeyRight);
        EXPECT_EQ(Count().value(), c.most);
        Key(kKeyEsc);
        EXPECT_EQ(std::tuple(Top(), hero().army().TotalOf("Archers") - before, hero().gold()),
                  std::tuple("", c.most, c.gold - 250 * c.most));
        game->here().RemoveObject(dwelling.get());
    }
}

TEST_F(MapObjectScreens, RecruitingCountsDownAsTheSliderMovesAndTakesTheUnitsOnLeaving) {
    hero().SetGold(1000);
    Ref<Dwelling> dwelling = StepOntoArchers(40);
    EXPECT_EQ(std::tuple(Text("AvailCount"), Text("GP")),
              std::tuple(u"Available: 40", u"GP=1,000"));
    adventure->onChar(u'3');
    EXPECT_EQ(std::tuple(Text("AvailCount"), Text("GP")), std::tuple(u"Available: 37", u"GP=250"));
    Key(kKeyLeft);
    EXPECT_EQ(std::tuple(Text("AvailCount"), Text("GP")), std::tuple(u"Available: 38", u"GP=500"));
    TapOnDialog("Header");
    EXPECT_EQ(Top(), "");
    EXPECT_EQ(std::tuple(hero().army().ToText(), hero().gold(), dwelling->available()),
              std::tuple("Militia:20,Archers:4", 500, 38));

    Tap("C4");  // and away again with none
    Key(kKeyEsc);
    EXPECT_EQ(std::tuple(hero().army().ToText(), hero().gold(), dwelling->available()),
              std::tuple("Militia:20,Archers:4", 500, 38));
}

TEST_F(MapObjectScreens, TheTeacherSellsOnlyForHisWholePrice) {
    auto teacher = MakeRef<SpellTeacher>();
    teacher->SetPrice(5000);
    hero().SetGold(4999);
    StepOnto(teacher);
    ASSERT_EQ(Top(), "TeachSpell");
    EXPECT_EQ(Text("Info"), u"Buy secrets of spell casting for 5,000");
    EXPECT_FALSE(OnTop("OK").isEnabled());
    TapOnDialog("OK");
    EXPECT_EQ(Top(), "TeachSpell");
    TapOnDialog("Cancel");
    EXPECT_EQ(std::tuple(Top(), hero().canUseSpells(), hero().gold()), std::tuple("", false, 4999));

    hero().SetGold(5000);
    Tap("C4");
    EXPECT_TRUE(OnTop("OK").isEnabled());
    TapOnDialog("OK");
    EXPECT_EQ(std::tuple(Top(), hero().canUseSpells(), hero().gold()), std::tuple("", true, 0));
    EXPECT_EQ(game->here().ObjectAt({3, 2}), nullptr);
}

TEST_F(MapObjectScreens, ASignpostIsReadWhereItStands) {
    auto sign = MakeRef<Signpost>();
    sign->SetName("Beware of wolves");
    StepOnto(sign);
    EXPECT_EQ(Position(), (Cell{3, 2}));
    ASSERT_EQ(Top(), "CurSign");
    EXPECT_EQ(std::vector<std::u16string>({Text("Header"), Text("Text"), Text("Cancel")}),
              (std::vector<std::u16string>{u"A sign reads:", u"Beware of wolves", u"Close"}));
    TapOnDialog("Cancel");
    EXPECT_EQ(Top(), "");
}

}  // namespace
}  // namespace cv
