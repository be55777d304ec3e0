#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game_test_support.h"
#include "screens/adventure_screen.h"
#include "screens/game_menu.h"
#include "screens/game_session.h"
#include "screens/new_game.h"

namespace cv::test {

// The game's own form file `name`, without its background picture.
std::string FormWithoutBackground(const std::string& name);

// A knight on the test continent "Isle" at (2, 2), the game in play, with
// the game's own forms (their backgrounds left out) in a scratch folder and
// the session's adventure screen read from the "Game" form.
class OnIsle : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Cell Position() const { return game->hero().position(); }
    Hero& hero() const { return game->hero(); }
    // The name of the dialog on top, "" when none is.
    std::string Top() const;
    // A widget of the dialog on top; throws when it has none of that name.
    GuiElement& OnTop(const std::string& widget) const;
    std::u16string Text(const std::string& widget) const { return OnTop(widget).text(); }
    static void Click(Form& form, const std::string& button);
    // The game menu over the map, as its button opens it.
    Ref<GameMenuDialog> OpenMenu();
    // A new game on the rules now in Root, with a session and screen of its own.
    void Restart();
    // Press and release on the named widget of the adventure screen, sliding
    // to `releaseAt` first when given.
    void Tap(const std::string& widget);
    void PressAndSlide(const std::string& widget, Point releaseAt);
    // Press and release on the named widget of the dialog on top.
    void TapOnDialog(const std::string& widget);
    void Key(int key);

    // The game's own forms, and blank pictures under the names given
    // ("Img/Army/Gnomes.Layer 4"); both before SetUp.
    void WriteForms(std::initializer_list<const char*> forms) const;
    void WritePictures(std::initializer_list<const char*> pictures) const;
    // The packaged rules a loaded game plays by: the test rules on the isle.
    void WritePackagedRules() const;
    // The arrows of the forms' number sliders.
    void WriteSliderPictures() const;

    GameFolder folder;
    FakeUi ui;
    Ref<RunningGame> game;
    Ref<GameSession> session;
    Ref<AdventureForm> adventure;
};

// The same, with the rules' messages and screens shown by the game's own
// screens instead of the fake.
class OnIsleScreens : public OnIsle {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace cv::test
