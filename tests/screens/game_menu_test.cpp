#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "gui/form_reader.h"
#include "screens/game_menu.h"
#include "screens/message_box_dialog.h"
#include "screens_test_support.h"

namespace cv {
namespace {

using GameMenu = test::OnIsle;

TEST_F(GameMenu, NewContinentIsOfferedOnlyWhileSailing) {
    for (TravelMode mode : {TravelMode::kLand, TravelMode::kSail, TravelMode::kFly}) {
        hero().SetTravelMode(mode);
        Ref<GameMenuDialog> menu = OpenMenu();
        EXPECT_EQ(menu->findChild("NewContinent")->isEnabled(), mode == TravelMode::kSail);
        Click(*menu, "Cancel");
        EXPECT_EQ(adventure->dialog(), nullptr);
    }
}

TEST_F(GameMenu, QuitAnsweredNoKeepsTheMenuAndTheOtherCommandsCloseIt) {
    Ref<GameMenuDialog> menu = OpenMenu();
    Click(*menu, "Quit");
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(ui.FrontText(), "Are you sure to quit game?");
    EXPECT_EQ(ui.open.front().message.buttons, "Yes,No");
    ui.Answer("No");
    EXPECT_EQ(adventure->dialog(), menu.get());

    Click(*menu, "Save");
    EXPECT_EQ(adventure->dialog(), nullptr);
    EXPECT_TRUE(folder.Has("1.sav"));
    EXPECT_EQ(ui.FrontText(), "Game saved");
    ui.Answer("OK");

    Click(*OpenMenu(), "WeekEnd");
    EXPECT_EQ(game->time().daysLeft(), 595);
    EXPECT_EQ(game->time().week(), 1);
    EXPECT_EQ(adventure->dialog(), nullptr);
}

TEST_F(GameMenu, AMessageBoxShowsItsButtonsCentredAndAnswersWithTheChosenOne) {
    std::vector<std::string> answers;
    auto box = [&](const std::string& buttons) {
        Ref<MessageBoxDialog> dialog = MakeRef<MessageBoxDialog>(
            GameMessage{u"Go on?", {}, buttons, {}, {}},
            [&](const std::string& answer) { answers.push_back(answer); });
        loadForm(*dialog, "MsgBox");
        adventure->pushDialog(dialog);
        return dialog;
    };
    Ref<MessageBoxDialog> yesNo = box("Yes,No");
    const Rect yes = yesNo->findChild("Button0")->bounds();
    const Rect no = yesNo->findChild("Button1")->bounds();
    EXPECT_EQ(yes.x + no.x + no.width, 640);
    EXPECT_FALSE(yesNo->findChild("Button2")->isVisible());
    EXPECT_EQ(yesNo->findChild("Text")->text(), u"Go on?");
    Click(*yesNo, "Button0");
    adventure->onKey(kKeyEsc, true);  // the box is gone: Esc is the map's again
    box("Yes,No");
    adventure->onKey(kKeyEsc, true);
    box("");
    Click(*adventure->dialog(), "Button0");
    EXPECT_EQ(answers, (std::vector<std::string>{"Yes", "No", "OK"}));
    EXPECT_EQ(adventure->dialog(), nullptr);
}

}  // namespace
}  // namespace cv
