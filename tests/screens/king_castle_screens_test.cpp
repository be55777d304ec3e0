// The King's castle as a player meets it on the map: stepping onto it keeps
// the hero outside, the audience speaks once its button is pressed and
// promotes when enough villains are caught, and the recruiting offers each
// row what the level, the leadership, the gold and the free slots allow.
#include <gtest/gtest.h>

#include "game/model/king_castle.h"
#include "game/world/kings_castle.h"
#include "gui/gui_message.h"
#include "gui/num_field.h"
#include "screens/screen_widgets.h"
#include "screens_test_support.h"

namespace cv {
namespace {

class KingsCastleScreens : public test::OnIsleScreens {
protected:
    void SetUp() override {
        WriteForms({"CastleOfKing", "KingAudience", "CastleRecruit"});
        WritePictures({"Img/King"});
        WriteSliderPictures();
        OnIsleScreens::SetUp();
        Ref<KingsCastle> castle = MakeRef<KingsCastle>();
        castle->SetCell({3, 2});
        game->here().AddObject(castle);
    }

    // Steps east onto the castle, then into one of its rooms.
    void Enter(const char* room) {
        Tap("C4");
        ASSERT_EQ(Top(), "CastleOfKing");
        TapOnDialog(room);
    }
    NumField& Field(int row) const {
        return dynamic_cast<NumField&>(OnTop(Numbered("Count", row)));
    }
    void Choose(int row, int count) const {
        Field(row).onMessage(Message{"SetValue", "", count, nullptr});
    }
    std::vector<int> Maxima() const {
        std::vector<int> maxima;
        for (int row = 0; row < kKingRecruitRows; ++row) maxima.push_back(Field(row).maximum());
        return maxima;
    }
};

TEST_F(KingsCastleScreens, TheAudienceSpeaksOnContinueAndPromotesOnceTheVillainsAreCaught) {
    Enter("Audience");
    EXPECT_EQ(Position(), (Cell{2, 2}));
    ASSERT_EQ(Top(), "KingAudience");
    // The villains caught before the audience, its words, the level after it.
    const struct {
        int caught;
        std::u16string words;
        int level;
    } audiences[] = {{0, u"My dear Arthur,\nyou must capture 2 villains", 0},
                     {1, u"My dear Arthur,\nyou must capture 1 villains", 0},
                     {1, u"Congratulations, Arthur, I now promote you to Baron", 1}};
    for (const auto& audience : audiences) {
        for (int i = 0; i < audience.caught; ++i) hero().CatchVillain(i);
        if (Top() != "KingAudience") TapOnDialog("Audience");
        EXPECT_EQ(Text("Exit"), u"Continue");
        EXPECT_EQ(Text("Text"), u"");
        TapOnDialog("Exit");
        EXPECT_EQ(Text("Text"), audience.words);
        EXPECT_EQ(Text("Exit"), u"Return");
        EXPECT_EQ(hero().level(), audience.level);
        TapOnDialog("Exit");
        EXPECT_EQ(Top(), "CastleOfKing");
    }
    TapOnDialog("Exit");
    EXPECT_EQ(Top(), "");
}

TEST_F(KingsCastleScreens, EachRowTakesWhatLeadershipGoldAndSlotsAllowThenRecruits) {
    // 4800 gold: 18 archers (250 each) leave exactly one pikeman's 300.
    hero().SetGold(4800);
    Enter("Recruit");
    ASSERT_EQ(Top(), "CastleRecruit");
    const std::u16string names[] = {Text("Name0"), Text("Name1"), Text("Name2"), Text("Name3"),
                                    Text("Name4")};
    EXPECT_EQ(std::vector<std::u16string>(std::begin(names), std::end(names)),
              (std::vector<std::u16string>{u"Militia (30)", u"Archers (18)", u"Pikemen (10)",
                                           u"Cavalry  N/A", u"Knights  N/A"}));
    EXPECT_EQ(Text("Cost2"), u"300 gold each");
    EXPECT_EQ(Maxima(), (std::vector<int>{30, 18, 10, 0, 0}));
    Choose(1, 18);
    EXPECT_EQ(Maxima(), (std::vector<int>{6, 18, 1, 0, 0}));
    Choose(2, 1);
    EXPECT_EQ(Maxima(), (std::vector<int>{0, 18, 1, 0, 0}));
    EXPECT_EQ(Text("GP"), u"GP=0");
    Choose(2, 2);  // more than the gold pays for: the archers keep theirs
    EXPECT_EQ(Field(2).value(), 1);
    EXPECT_EQ(Field(1).value(), 18);
    TapOnDialog("Recruit");
    EXPECT_EQ(Top(), "CastleOfKing");
    EXPECT_EQ(hero().army().ToText(), "Militia:20,Archers:20,Pikemen:1");
    EXPECT_EQ(hero().gold(), 0);
}

TEST_F(KingsCastleScreens, LevelsOpenTheRowsAndTheLastFreeSlotGoesToOneNewUnit) {
    // The level reached, whether the Cavalry and the Knights rows are open.
    const struct {
        int level;
        bool cavalry, knights;
    } levels[] = {{0, false, false}, {1, true, false}, {2, true, true}};
    hero().army().Parse("Ghosts:1,Vampires:1");  // four squads: one slot left
    for (const auto& reached : levels) {
        SCOPED_TRACE(reached.level);
        if (reached.level > 0) hero().ApplyLevel(reached.level, 0);
        Enter("Recruit");
        EXPECT_EQ(Field(3).isVisible(), reached.cavalry);
        EXPECT_EQ(Field(4).isVisible(), reached.knights);
        EXPECT_EQ(Maxima()[3] > 0, reached.cavalry);
        TapOnDialog("Cancel");
        TapOnDialog("Exit");
    }
    Enter("Recruit");
    Choose(2, 1);  // the pikemen take the last slot; militia join their squad
    EXPECT_EQ(Maxima()[3], 0);
    EXPECT_EQ(Maxima()[4], 0);
    EXPECT_GT(Maxima()[0], 0);
    Choose(0, 3);
    const int gold = hero().gold();
    TapOnDialog("Cancel");
    EXPECT_EQ(Top(), "CastleOfKing");
    EXPECT_EQ(hero().army().ToText(), "Militia:20,Archers:2,Ghosts:1,Vampires:1");
    EXPECT_EQ(hero().gold(), gold);
}

}  // namespace
}  // namespace cv
