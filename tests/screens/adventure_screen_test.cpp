#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "core/resource_groups.h"
#include "screens_test_support.h"

namespace cv {
namespace {

using Adventure = test::OnIsle;

std::string FocusedName(const Form& form) {
    const GuiElement* focused = form.focusedChild();
    return focused ? focused->name() : "";
}

TEST_F(Adventure, TapsStepTheHeroButASlideOutOrTheMapsEdgeDoNot) {
    Tap("C4");
    EXPECT_EQ(Position(), (Cell{3, 2}));
    EXPECT_EQ(adventure->findChild("Status")->text(), game->time().StatusText());

    PressAndSlide("C2", {5, 5});
    EXPECT_EQ(Position(), (Cell{3, 2}));
    EXPECT_EQ(adventure->heldCommand(), kNoCommand);
    // Sliding out and back in before lifting keeps the step.
    const Point inside{150, 240};
    adventure->onPointer({PointerEvent::Press, inside.x, inside.y, PointerEvent::Left, 1});
    EXPECT_EQ(adventure->heldCommand(), 3);
    adventure->onPointer({PointerEvent::Move, 5, 5, PointerEvent::Left, 0});
    adventure->onPointer({PointerEvent::Move, inside.x, inside.y, PointerEvent::Left, 0});
    adventure->onPointer({PointerEvent::Release, inside.x, inside.y, 0, 1});
    EXPECT_EQ(Position(), (Cell{2, 2}));

    Tap("C2");
    Tap("C2");
    ASSERT_EQ(Position(), (Cell{0, 2}));
    for (const char* leftward : {"B2", "C2", "D2"}) Tap(leftward);
    EXPECT_EQ(Position(), (Cell{0, 2}));

    hero().SetTravelMode(TravelMode::kFly);
    game->PlaceHero(0, {5, 63});
    for (const char* upward : {"B2", "B3", "B4"}) Tap(upward);
    EXPECT_EQ(Position(), (Cell{5, 63}));
    Tap("D3");
    EXPECT_EQ(Position(), (Cell{5, 62}));

    Tap("C3");  // the centre stays put but spends the step
    EXPECT_EQ(Position(), (Cell{5, 62}));
}

TEST_F(Adventure, HoldingTheStatusLineShowsTheWeekOnlyWhileHeld) {
    GuiElement* status = adventure->findChild("Status");
    const Rect r = status->bounds();
    adventure->onPointer({PointerEvent::Press, r.x + 2, r.y + 2, PointerEvent::Left, 1});
    EXPECT_TRUE(adventure->statusHeld());
    adventure->onPointer({PointerEvent::Release, 5, 5, 0, 1});
    EXPECT_FALSE(adventure->statusHeld());
    EXPECT_EQ(Position(), (Cell{2, 2}));
}

TEST_F(Adventure, KeysWalkUntilTheButtonsTakeTheFocus) {
    Key(kKeyRight);
    EXPECT_EQ(Position(), (Cell{3, 2}));

    Key(kKeyTab);
    EXPECT_EQ(FocusedName(*adventure), "Info");
    Key(kKeyLeft);
    EXPECT_EQ(FocusedName(*adventure), "Menu");
    Key(kKeyRight);
    Key(kKeyRight);  // "Fly" cannot be used on foot with this army, "Land" is hidden
    EXPECT_EQ(FocusedName(*adventure), "Towns");
    Key(kKeyDown);
    EXPECT_EQ(FocusedName(*adventure), "Villain");
    Key(kKeyUp);
    EXPECT_EQ(FocusedName(*adventure), "GoldInfo");
    EXPECT_EQ(Position(), (Cell{3, 2}));

    Key(kKeyEsc);
    EXPECT_EQ(FocusedName(*adventure), "");
    Key(kKeyLeft);
    Key(kKeyHome);
    EXPECT_EQ(Position(), (Cell{1, 3}));
}

TEST_F(Adventure, TheTravelButtonsFollowTheHero) {
    GuiElement* fly = adventure->findChild("Fly");
    GuiElement* land = adventure->findChild("Land");
    adventure->updateTravelIndicator();
    EXPECT_TRUE(fly->isVisible() && !fly->isEnabled() && !land->isVisible());

    hero().SetTravelMode(TravelMode::kFly);
    adventure->updateTravelIndicator();
    EXPECT_TRUE(!fly->isVisible() && land->isVisible() && land->isEnabled());
    adventure->onMessage({"Button", "Land", 0, nullptr});
    EXPECT_EQ(hero().travelMode(), TravelMode::kLand);
    EXPECT_TRUE(fly->isVisible() && !land->isVisible());

    hero().SetTravelMode(TravelMode::kFly);
    game->PlaceHero(0, {7, 2});  // over water
    adventure->Update();
    EXPECT_TRUE(land->isVisible() && !land->isEnabled());

    // Buttons the screen does not act on are left to the standard handling.
    for (const char* button : {"Cancel", "Search"}) {
        EXPECT_FALSE(adventure->onMessage({"Button", button, 0, nullptr})) << button;
    }
    EXPECT_TRUE(adventure->onMessage({"Button", "Land", 0, nullptr}));
}

TEST_F(Adventure, ANewGameTakesTheDaysOfItsDifficultyAndDropsTheRandomMaps) {
    folder.Write("CVMRG/map.ini", "Maps { }");
    DefaultGroup()->Add(MakeDirectorySource("CVMRG"));
    NewGameChoices& choices = TheNewGameChoices();
    choices.difficulty = 2;
    StartNewGame(Ref<Dispatcher>(Root()));
    EXPECT_EQ(CurrentGame()->time().daysLeft(), 400);
    EXPECT_EQ(CurrentGame()->hero().name(), u"Hero");
    EXPECT_FALSE(folder.Has("CVMRG/map.ini"));
    EXPECT_EQ(DefaultGroup()->sourceCount(), 1u);

    choices.difficulty = 7;  // no "HardLevels" entry
    StartNewGame(Ref<Dispatcher>(Root()));
    EXPECT_EQ(CurrentGame()->time().daysLeft(), 600);
    choices = NewGameChoices();
}

}  // namespace
}  // namespace cv
