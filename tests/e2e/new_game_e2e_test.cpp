// From the title to a game and back again, as a player goes: a hero chosen,
// named on the keyboard and the on-screen keys, started on a harder level,
// walked and saved; then a second run loads that save from the title. A
// game on a freshly generated map set, and a second game after it in the same
// run. A game played with a controller's keys alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <iterator>
#include <map>
#include <string>

#include "game_run.h"

namespace cv::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kKnight = Tap(94, 220), kBarbarian = Tap(544, 220);
// The new-game form: the keyboard's button, its "n" and close keys, the
// random maps box, the level "Hard" and "Start Game".
const std::string kKeyboard = Tap(514, 139), kKeyN = Tap(305, 434), kCloseKeyboard = Tap(420, 383);
const std::string kRandomMaps = Tap(290, 178), kHard = Tap(290, 315), kStart = Tap(319, 417);
const std::string kImpossible = Tap(290, 345);
const std::string kSaveGame = kOpenMenu + kSave + "tick 1\n" + kOnlyButton;
// The title's "Load Game" and the list's "Start Game".
const std::string kLoadFirst = "tick 1\nkey Esc\ntick 1\n" + Tap(525, 222) + "tick 1\n";
const std::string kStartLoaded = Tap(143, 411);

// The days of "Impossible" (data/cv.ini) run out at the end of the week that
// holds the last of them; Enter answers each week's notice and budget, and at
// last the ending, which leads back to the title.
constexpr int kImpossibleDays = 160;
std::string LoseByEndingWeeks() {
    const std::string weekEnd = kOpenMenu + kWeekEnd + "tick 1\n";
    std::string script;
    const int lastWeek = (kImpossibleDays + 6) / 7;
    for (int week = 1; week < lastWeek; ++week)
        script += weekEnd + "key Enter\ntick 1\nkey Enter\ntick 1\n";
    return script + weekEnd + "key Enter\ntick 1\n";
}

bool SameFrame(const Png& a, const Png& b) {
    return a.rgba == b.rgba;
}

using NewGame = OnGameFolder;

TEST_F(NewGame, ANamedHeroIsStartedWalkedAndSavedAndTheTitleLoadsHimBack) {
    const std::string name = "text Cona\n" + kKeyboard + "tick 1\n" + kKeyN + kCloseKeyboard;
    const std::string walk = "key Right\nkey Left\nkey Right\ntick 1\n";
    RunResult first =
        RunGame(dir_, kToHeroChoice + kBarbarian + "tick 1\n" + name + kHard + kStart + "tick 1\n" +
                          walk + kSaveGame + "tick 1\n" + Shot("saved.png"));
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.err, "");
    ASSERT_TRUE(fs::exists(dir_ / "1.sav"));
    const RunResult info = RunProgram(CORVANTH_SAVE_TOOL, {"info", (dir_ / "1.sav").string()});
    EXPECT_EQ(info.status, 0) << info.err;
    for (const char* shown : {"Conan the Barbarian", "Barbarian", "Difficulty"}) {
        EXPECT_NE(info.out.find(shown), std::string::npos) << shown << " not in\n" << info.out;
    }

    RunResult second = RunGame(
        dir_, kLoadFirst + Shot("list.png") + kStartLoaded + "tick 1\n" + Shot("loaded.png"));
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.err, "");
    EXPECT_TRUE(SameFrame(Frame("saved.png"), Frame("loaded.png")))
        << "the loaded game does not look like the saved one";
    EXPECT_FALSE(SameFrame(Frame("list.png"), Frame("loaded.png")));
}

TEST_F(NewGame, RandomMapsAreMadeUnderTheNoticeAndTheGameStartsOnThemAfterThePause) {
    RunResult r = RunGame(dir_, kToHeroChoice + kKnight + "tick 1\ntext Merlin\n" + kRandomMaps +
                                    kStart + Shot("notice.png") + "tick 18\n" + Shot("still.png") +
                                    "tick 1\n" + Shot("started.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(SameFrame(Frame("notice.png"), Frame("still.png"))) << "the pause was cut short";
    EXPECT_FALSE(SameFrame(Frame("notice.png"), Frame("started.png"))) << "the game did not start";
    int terrainFiles = 0;
    for (const auto& entry : fs::directory_iterator(dir_ / "CVMRG" / "Terr")) {
        terrainFiles += entry.path().extension() == ".cvmap";
    }
    EXPECT_EQ(terrainFiles, 4);
    // Merged into the rules, the set's text is not needed any more.
    EXPECT_FALSE(fs::exists(dir_ / "CVMRG" / "map.ini"));
}

// A second game in the same run is a game of its own: it starts on the
// packaged maps exactly as in a fresh run, and saves beside the first game
// instead of over it.
TEST_F(NewGame, AfterALostRandomMapGameANewGameStartsAfreshAndSavesUnderANewName) {
    const std::string firstGame = kToHeroChoice + kKnight + "tick 1\ntext Arthur\n" + kRandomMaps +
                                  kImpossible + kStart + "tick 19\n" + kSaveGame;
    const std::string secondGame = "tick 1\n" + Tap(525, 169) + "tick 1\n" + kBarbarian +
                                   "tick 1\n" + kRandomMaps + kStart + "tick 1\n" +
                                   Shot("second.png") + kSaveGame;
    RunResult r = RunGame(dir_, firstGame + LoseByEndingWeeks() + Shot("title.png") + secondGame);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& [save, heroClass] :
         {std::pair{"1.sav", "Class: Knight\n"}, std::pair{"2.sav", "Class: Barbarian\n"}}) {
        const RunResult info = RunProgram(CORVANTH_SAVE_TOOL, {"info", (dir_ / save).string()});
        EXPECT_NE(info.out.find(heroClass), std::string::npos) << save << ":\n" << info.out;
    }

    TempDir fresh;
    CopyGameFolder(fresh);
    r = RunGame(fresh, kToHeroChoice + kBarbarian + "tick 1\ntext Arthur\n" + kImpossible + kStart +
                           "tick 1\nshot " + (fresh / "first.png").string() + "\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(SameFrame(Frame("title.png"), Frame("second.png"))) << "no second game began";
    // What lies on the cell two steps east and one south of the start is
    // drawn from the random numbers, whose state a first game moves on.
    const Region kDrawnObject{384, 288, 480, 384};
    EXPECT_TRUE(SameRegion(ReadBack(fresh / "first.png"), Frame("second.png"), {0, 0, 640, 480},
                           kDrawnObject))
        << "the second game did not start as a game in a fresh run does";
}

// A game controller's buttons, each as the key it strikes, a tick after each.
std::string Pad(std::initializer_list<const char*> buttons) {
    static const std::map<std::string, std::string> kKeyOf = {
        {"A", "Space"},     {"B", "Esc"}, {"Start", "Enter"}, {"Back", "Tab"},  {"LB", "GrayMinus"},
        {"RB", "GrayPlus"}, {"Up", "Up"}, {"Down", "Down"},   {"Left", "Left"}, {"Right", "Right"}};
    std::string script;
    for (const char* button : buttons) script += "key " + kKeyOf.at(button) + "\ntick 1\n";
    return script;
}

// Without keyboard or mouse: past the credits, a knight, named "Ada" on the
// on-screen keyboard (Shift on and off), started, walked, saved from the game
// menu, and the game left by the menu's "Quit".
TEST_F(NewGame, AControllerAloneNamesStartsWalksSavesAndQuits) {
    const std::string name =
        Pad({"Down", "A",    "Right", "Down", "Down", "Down",  "A", "Up",   "Up",   "Left", "A",
             "Down", "Down", "A",     "Up",   "Up",   "Right", "A", "Left", "Left", "A"});
    const std::string script =
        "tick 1\n" + Pad({"B"}) + Shot("title.png") + Pad({"A"}) + Shot("heroes.png") + Pad({"A"}) +
        name + Shot("named.png") + Pad({"Start"}) + Shot("map.png") +
        Pad({"Left", "Right", "Left"}) + Shot("walked.png") + Pad({"Start"}) + Shot("menu.png") +
        Pad({"Down", "Down", "Down", "Down", "Down", "A"}) + Shot("saved.png") +
        Pad({"A", "Start", "Up", "Up", "A"}) + Shot("quit.png") + Pad({"A"}) + Shot("after.png");
    const RunResult run = RunGame(dir_, script);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(dir_ / "after.png")) << "the menu's Quit did not end the game";
    const RunResult info = RunProgram(CORVANTH_SAVE_TOOL, {"info", (dir_ / "1.sav").string()});
    EXPECT_NE(info.out.find("Ada the Knight"), std::string::npos) << info.out << info.err;
    const char* frames[] = {"title.png",  "heroes.png", "named.png", "map.png",
                            "walked.png", "menu.png",   "saved.png", "quit.png"};
    for (size_t i = 1; i < std::size(frames); ++i) {
        EXPECT_FALSE(SameFrame(Frame(frames[i - 1]), Frame(frames[i]))) << frames[i];
    }
}

}  // namespace
}  // namespace cv::e2e
