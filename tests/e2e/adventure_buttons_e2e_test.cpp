// Every button and panel of the adventure screen pressed in turn in one
// headless game: each opens its own screen, Esc brings the map back, and no
// message box turns up on the way.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/model/game_ui.h"
#include "headless_game.h"
#include "platform/utf.h"
#include "screens/game_session.h"
#include "screens/screen_game_ui.h"

namespace cv::e2e {
namespace {

// The game's own screens, keeping the texts of the boxes they show.
class BoxRecorder : public ScreenGameUi {
public:
    BoxRecorder() : before_(Ui()) { SetUi(this); }
    ~BoxRecorder() override { SetUi(&before_); }

    void ShowMessage(const GameMessage& message, AnswerHandler then) override {
        boxes.push_back(Utf16ToUtf8(message.text));
        ScreenGameUi::ShowMessage(message, std::move(then));
    }

    std::vector<std::string> boxes;

private:
    GameUi& before_;
};

class AdventureButtons : public LanguageFrames {
protected:
    void SetUp() override { Open("buttons"); }
};

TEST_P(AdventureButtons, EachOpensItsScreenAndEscBringsTheMapBack) {
    const std::pair<const char*, const char*> presses[] = {
        {"info", "560 74"},  {"towns", "560 138"},  {"castles", "560 170"},
        {"map", "560 202"},  {"menu", "560 234"},   {"contract", "529 287"},
        {"army", "592 287"}, {"spells", "529 351"}, {"puzzle", "592 351"},
        {"hero", "561 415"}};
    std::string script = Shot("start.png") + "tap 560 106\n" + Shot("fly.png");
    for (const auto& [name, at] : presses) {
        script += std::string("tap ") + at + "\n" + Shot(std::string(name) + ".png") + "key Esc\n" +
                  Shot(std::string(name) + "_closed.png");
    }
    dir.Write("buttons.txt", script + "quit\n");
    HeadlessGame run(dir, "buttons.txt");
    ASSERT_TRUE(run.started());
    RunningGame& game = *CurrentGame();
    // Something behind every panel: a contract and the magic to open the spells.
    game.hero().SetCurrentContract(game.villains().At(0).number());
    game.hero().SetCanUseSpells(true);
    BoxRecorder recorder;
    run.Play();

    EXPECT_EQ(recorder.boxes, std::vector<std::string>{});
    const Png start = Frame("start.png");
    const Region map{0, 0, 480, 480};
    EXPECT_TRUE(SameRegion(start, Frame("fly.png"), map)) << "Fly is not for a knight on foot";
    for (const auto& [name, at] : presses) {
        const std::string shown = std::string(name) + ".png";
        EXPECT_FALSE(SameRegion(start, Frame(shown), map)) << name << " opened nothing";
        EXPECT_TRUE(SameRegion(start, Frame(std::string(name) + "_closed.png"), map))
            << name << " stayed open";
    }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, AdventureButtons, ::testing::Values("English"));

}  // namespace
}  // namespace cv::e2e
