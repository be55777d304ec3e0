// The army view and the hero's information over the adventure screen, as a
// player reaches them: the panels and buttons, the squads' texts, dismissal
// down to the last squad, the artifact slots.
#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "game/model/game_text.h"
#include "gfx/image_cache.h"
#include "gui/gui_message.h"
#include "gui/image_widget.h"
#include "screens/screen_game_ui.h"
#include "screens/screen_widgets.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class ArmyViews : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"ArmyView", "HeroStatus"});
        WritePictures(
            {"Terr/003", "Img/Heroes/Knight", "Img/Inv/A1", "Img/Inv/A3", "Img/Inv/emptyA"});
        OnIsleScreens::SetUp();
    }

    bool Shown(const std::string& widget) const { return OnTop(widget).isVisible(); }
    // Touches a button of the dialog on top, enabled or not, as its press would.
    void Press(const std::string& button) const {
        Form* top = adventure->dialog();
        sendMessage(top->findChild(button), top, Message{"Button", button, 0, nullptr});
    }
    const Army& army() const { return hero().army(); }
};

TEST_F(ArmyViews, TheArmyPanelShowsEachSquadAndDismissesAllButTheLast) {
    // A leadership of 100 holds 50 militia (2 each) exactly, not 21 archers (5 each).
    hero().army().Clear();
    hero().army().Parse("Militia:50,Archers:21,Knights:1");
    Tap("WeaponInfo");
    ASSERT_NE(adventure->dialog(), nullptr);
    EXPECT_EQ(Text("Name1"), u"Militia");
    EXPECT_EQ(Text("Count1"), u"50");
    const std::u16string militia[] = {Text("SL1"), Text("MV1"), Text("Hit1"), Text("Dmg1"),
                                      Text("Cost1")};
    EXPECT_EQ(std::vector<std::u16string>(std::begin(militia), std::end(militia)),
              (std::vector<std::u16string>{u"SL: 2", u"MV: 2", u"HitPts: 100", u"Damage: 50-100",
                                           u"G-Cost: 100"}));
    EXPECT_EQ(Text("Morale1").rfind(u"Morale: ", 0), 0u);
    EXPECT_EQ(Text("Morale2"), u"Out of control");
    EXPECT_TRUE(Shown("Dism3"));
    EXPECT_FALSE(Shown("Name4") || Shown("UnitBk4") || Shown("Dism4"));

    Press("Dism2");
    EXPECT_EQ(Text("Text"), u"Are you sure to dismiss Archers ?");
    Press("Button1");  // No
    EXPECT_EQ(army().ToText(), "Militia:50,Archers:21,Knights:1");
    Press("Dism2");
    Press("Button0");  // Yes
    EXPECT_EQ(army().ToText(), "Militia:50,Knights:1");
    EXPECT_EQ(Text("Name2"), u"Knights");
    EXPECT_FALSE(Shown("Name3"));

    Press("Dism2");
    Press("Button0");
    EXPECT_EQ(army().ToText(), "Militia:50");
    EXPECT_FALSE(OnTop("Dism1").isEnabled());
    Form* view = adventure->dialog();
    Press("Dism1");
    EXPECT_EQ(adventure->dialog(), view) << "the last squad asked to be dismissed";
    EXPECT_EQ(army().ToText(), "Militia:50");
    Press("Header");
    EXPECT_EQ(adventure->dialog(), nullptr);
}

TEST_F(ArmyViews, TheHeroInformationShowsHisFiguresAndTheArtifactsFound) {
    hero().AddArtifact("A1");
    hero().AddArtifact("A3");
    hero().AddGold(1000);
    sendMessage(nullptr, adventure.get(), Message{"ShowHeroInfo", "", 0, nullptr});
    ASSERT_NE(adventure->dialog(), nullptr);
    EXPECT_EQ(Text("SField0"), u"Name");
    EXPECT_EQ(Text("Field0"), hero().NameWithTitle());
    EXPECT_EQ(Text("Field3"), u"8,500");
    EXPECT_EQ(Text("SField7"), u"Artifacts found");
    EXPECT_EQ(Text("Field7"), u"2");
    EXPECT_EQ(Text("Field10"), GroupedNumber(hero().Score()));
    // The rules hold A1 to A4: found ones show, the others their kind's empty slot.
    const auto picture = [&](int slot) {
        return dynamic_cast<Image&>(OnTop(Numbered("Slot", slot))).picture();
    };
    EXPECT_EQ(picture(0), getImage("Img\\Inv\\A1").get());
    EXPECT_EQ(picture(1), getImage("Img\\Inv\\emptyA").get());
    EXPECT_EQ(picture(2), getImage("Img\\Inv\\A3").get());
    EXPECT_TRUE(Shown("Slot3"));
    EXPECT_FALSE(Shown("Slot4"));
    adventure->onKey(kKeyEsc, true);
    EXPECT_EQ(adventure->dialog(), nullptr);
}

}  // namespace
}  // namespace cv
