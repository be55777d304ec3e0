// The screens before a game: the hero choice, the new-game form with its
// difficulty rows, the generated map set joining the rules, and the list of
// saves with erasing and loading.
#include <gtest/gtest.h>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/resource_groups.h"
#include "core/save_game.h"
#include "core/save_info.h"
#include "core/settings.h"
#include "gui/form_reader.h"
#include "gui/text_button.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/game_data_init.h"
#include "screens/hero_info_dialog.h"
#include "screens/hero_select_screen.h"
#include "screens/list_box.h"
#include "screens/load_game_dialog.h"
#include "screens/new_game_screen.h"
#include "screens/random_maps_screen.h"
#include "screens_test_support.h"

namespace cv {
namespace {

// Level 2 of the rules has no texts, level 3 is missing.
constexpr const char* kScreenRules = R"(StartHero { X0 = 2 Y0 = 2 }
HardLevels { 0 { Difficulty = "Easy" Score = "50%" } 1 { Difficulty = "Normal" } }
)";

class NewGameScreens : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* form :
             {"SelectHero", "NewGame", "HeroInfo", "LoadGame", "MsgBox", "MapGen", "Game"}) {
            folder.Write(std::string("Forms/") + form + "/form.txt",
                         test::FormWithoutBackground(form));
        }
        for (const char* heroClass : kHeroClasses) {
            folder.Write(std::string("Img/Heroes/") + heroClass + ".tga", std::string("S16\0", 4));
        }
        // The packaged rules each game starts from, and the same rules in force.
        folder.Write("cv.ini", std::string(test::kTestRules) + test::kTestMaps + kScreenRules);
        test::LoadIsleRules();
        Parse(*Root(), kScreenRules);
        folder.WriteTerrain("Isle", test::IsleTerrain());
        platform::Srand(5);
        TheNewGameChoices() = NewGameChoices{};
    }
    void TearDown() override { BeginSession(nullptr); }

    template <class Screen>
    static Ref<Screen> Loaded(const char* formName) {
        Ref<Screen> form = MakeRef<Screen>();
        loadForm(*form, formName);
        return form;
    }
    static void Click(Form& form, const std::string& button) {
        sendMessage(nullptr, &form, Message{"Button", button, 0, nullptr});
    }
    static void Check(Form& form, const std::string& box) {
        sendMessage(form.findChild(box), &form, Message{"RadioCheck", "", 0, nullptr});
    }
    static bool Checked(Form& form, const std::string& box) {
        return dynamic_cast<CheckButton&>(*form.findChild(box)).checked();
    }
    static int StartX(Dispatcher* rules) {
        int32_t x = -1;
        FindValue(rules, "StartHero.X0")->GetInt(x);
        return x;
    }
    static std::u16string TextOf(Form& form, const std::string& widget) {
        return form.findChild(widget)->text();
    }
    static void Type(Form& form, const std::u16string& text) {
        for (char16_t ch : text) form.onChar(ch);
    }

    test::GameFolder folder;
    test::FakeUi ui;
};

TEST_F(NewGameScreens, ChoosingAClassSetsItAndTheFemaleFlagOnlyForTheSorceress) {
    Ref<SelectHeroForm> select = Loaded<SelectHeroForm>("SelectHero");
    EXPECT_EQ(TextOf(*select, "Status"), u"Select your Hero");
    for (const char* heroClass : kHeroClasses) {
        Click(*select, heroClass);
        EXPECT_EQ(TheNewGameChoices().heroClass, heroClass);
        EXPECT_EQ(TheNewGameChoices().sex, std::string(heroClass) == "Sorceress") << heroClass;
    }
}

TEST_F(NewGameScreens, OnlyANameStartsAGameNamesKeepSixtyThreeCharactersAndRowsFollowTheLevel) {
    Ref<NewGameForm> form = Loaded<NewGameForm>("NewGame");
    GuiElement* start = form->findChild("Start Game");
    EXPECT_FALSE(start->isEnabled());
    Click(*form, "Start Game");
    EXPECT_EQ(CurrentGame(), nullptr) << "a game began without a name";
    Type(*form, u"Al\b\b");
    EXPECT_FALSE(start->isEnabled());
    Type(*form, std::u16string(70, u'x'));
    EXPECT_TRUE(start->isEnabled());
    EXPECT_EQ(TheNewGameChoices().heroName, std::u16string(NewGameForm::kMaxNameLength, u'x'));
    EXPECT_EQ(TextOf(*form, "Hero Name").size(), NewGameForm::kMaxNameLength);

    EXPECT_EQ(TextOf(*form, "Difficulty0") + TextOf(*form, "Days0") + TextOf(*form, "Score0"),
              u"Easy90050%");
    EXPECT_EQ(TextOf(*form, "Days3"), u"") << "a level the rules lack is left alone";
    const uint32_t highlight = form->color(kColorSelect);
    auto shownAsChosen = [&](char level) {
        const bool checked = Checked(*form, std::string("Difficulty") + level);
        const bool days =
            form->findChild(std::string("Days") + level)->color(kColorNorm) == highlight;
        EXPECT_EQ(checked, days) << "row " << level << " is half chosen";
        return checked;
    };
    EXPECT_TRUE(shownAsChosen('1'));
    Check(*form, "Difficulty0");
    EXPECT_EQ(TheNewGameChoices().difficulty, 0);
    EXPECT_TRUE(shownAsChosen('0'));
    EXPECT_FALSE(shownAsChosen('1'));
    Ref<RadioButton> stray = MakeRef<RadioButton>();
    stray->setName("Difficulty7");
    sendMessage(stray.get(), form.get(), Message{"RadioCheck", "", 0, nullptr});
    EXPECT_EQ(TheNewGameChoices().difficulty, 1);

    // The random maps box toggles its own flag and leaves the level alone.
    Check(*form, "RandMaps");
    EXPECT_TRUE(form->randomMaps() && Checked(*form, "RandMaps"));
    Check(*form, "RandMaps");
    EXPECT_FALSE(form->randomMaps() || Checked(*form, "RandMaps"));
    EXPECT_EQ(TheNewGameChoices().difficulty, 1);
}

TEST_F(NewGameScreens, InfoShowsTheClassStartAndStartGameBeginsTheChosenGame) {
    TheNewGameChoices().heroClass = "Sorceress";
    TheNewGameChoices().sex = 1;
    Ref<NewGameForm> form = Loaded<NewGameForm>("NewGame");
    Type(*form, u"Morgana");
    Check(*form, "Difficulty0");
    Click(*form, "Info");
    Ref<Form> info(form->dialog());
    ASSERT_NE(dynamic_cast<HeroInfoDialog*>(info.get()), nullptr);
    EXPECT_EQ(TextOf(*info, "Field0") + u" " + TextOf(*info, "Field1"), u"Witch 1,000");
    Click(*info, "OK");
    EXPECT_EQ(form->dialog(), nullptr);

    Click(*form, "Start Game");
    ASSERT_NE(CurrentGame(), nullptr);
    const Hero& hero = CurrentGame()->hero();
    EXPECT_EQ(hero.name(), u"Morgana");
    EXPECT_TRUE(hero.classId() == "Sorceress" && hero.IsFemale());
    EXPECT_EQ(CurrentGame()->time().daysLeft(), 900);
}

// The generator's set joins the rules only after the pause, counted on the
// virtual clock's timer ticks.
TEST_F(NewGameScreens, AGeneratedMapSetJoinsTheRulesThreeSecondsAfterItIsWritten) {
    platform::HeadlessPlatform host("", nullptr);
    platform::SetCurrent(&host);
    host.SetTimer(platform::kTimerId, platform::kTimerPeriodMs);
    Ref<Dispatcher> rules;
    Ref<RandomMapsForm> screen =
        MakeRef<RandomMapsForm>([&](Ref<Dispatcher> merged) { rules = std::move(merged); });
    loadForm(*screen, "MapGen");
    screen->Update();
    EXPECT_TRUE(screen->succeeded());
    ASSERT_TRUE(folder.Has("CVMRG/map.ini"));
    const auto tick = [&] {
        host.Execute(platform::ScriptReader::ParseLine("tick 1"));
        screen->Tick();
    };
    while (host.TickCount() + platform::kTimerPeriodMs < RandomMapsForm::kPauseMs) tick();
    EXPECT_EQ(rules, nullptr) << "went on before the pause";
    tick();
    ASSERT_NE(rules, nullptr);
    platform::SetCurrent(nullptr);

    // The set's own hero start replaces the packaged one in the rules it came
    // with, not in those in force, and its terrain is found.
    const std::string ini = folder.Read("CVMRG/map.ini");
    EXPECT_EQ(StartX(rules.get()), std::stoi(ini.substr(ini.find("StartHero.X0 = ") + 15)));
    EXPECT_EQ(StartX(Root()), 2);
    const std::string generated = NextChildName(FindNode(rules.get(), "Maps"), "Isle");
    EXPECT_TRUE(ResourceExists("Terr\\" + generated + ".cvmap")) << generated;
}

// An installed game's data folder is read-only: the set is written, read and
// dropped in the player's own folder.
TEST_F(NewGameScreens, TheMapSetLivesInThePlayersDataFolder) {
    test::ScratchDir player;
    SetPlayerDataDir(player.str());
    ASSERT_TRUE(WriteRandomMapSet());
    EXPECT_TRUE(player.Has("CVMRG/map.ini"));
    EXPECT_FALSE(folder.Has("CVMRG")) << "written beside the data";
    Ref<Dispatcher> rules = PackagedRules();
    MergeRandomMapSet(*rules);
    const std::string terrain =
        "Terr\\" + NextChildName(FindNode(rules.get(), "Maps"), "Isle") + ".cvmap";
    EXPECT_TRUE(ResourceExists(terrain)) << terrain;
    DropRandomMapSet();
    SetPlayerDataDir("");
    EXPECT_FALSE(player.Has("CVMRG/map.ini"));
    EXPECT_FALSE(ResourceExists(terrain)) << "the set's folder is still a source";
}

// Nothing of one game reaches the next: each new game plays by fresh
// packaged rules, saves under a name of its own and has a screen of its own;
// a loaded game saves back to its file and warns of an unruly army at once.
TEST_F(NewGameScreens, EachGameIsASessionOfItsOwn) {
    Ref<Dispatcher> merged = PackagedRules();
    Parse(*merged, "StartHero { X0 = 4 Y0 = 5 }");
    TheNewGameChoices().heroName = u"Arthur";
    StartNewGame(merged);
    GameSession* first = CurrentSession();
    EXPECT_EQ(first->game().hero().position(), (Cell{4, 5}));
    first->game().hero().army().Add("Knights", 50);  // far beyond a squire's leadership
    first->game().hero().SetTravelMode(TravelMode::kFly);
    first->adventure().updateTravelIndicator();
    first->Save();
    EXPECT_EQ(first->saveName(), "1");

    TheNewGameChoices().heroClass = "Sorceress";
    StartNewGame(PackagedRules());
    GameSession* second = CurrentSession();
    ASSERT_NE(second, first);
    EXPECT_EQ(second->game().hero().position(), (Cell{2, 2})) << "the random set's start stayed";
    EXPECT_EQ(StartX(Root()), 2);
    EXPECT_EQ(second->saveName(), "");
    const AdventureForm& screen = second->adventure();
    EXPECT_TRUE(screen.findChild("Fly")->isVisible() && !screen.findChild("Land")->isVisible());
    EXPECT_EQ(TextOf(const_cast<AdventureForm&>(screen), "Status"), u"Days Left: 600");
    second->Save();
    EXPECT_EQ(second->saveName(), "2");
    EXPECT_EQ(ReadSaveInfo("1").portrait, "Img\\Heroes\\Knight")
        << "the first save was overwritten";

    Ref<DialogHost> title = MakeRef<DialogHost>();
    ShowLoadGame(*title);
    auto& list = dynamic_cast<ListBox&>(*title->dialog()->findChild("GamesList"));
    list.select(list.items()[0] == u"Arthur the Squire" ? 0 : 1);
    EXPECT_TRUE(ui.open.empty());
    Click(*title->dialog(), "Start Game");
    EXPECT_EQ(CurrentGame()->hero().classId(), "Knight");
    ASSERT_EQ(ui.open.size(), 1u);
    EXPECT_EQ(ui.open.front().message.name, "OutOfControl_Warning");
    CurrentSession()->Save();
    EXPECT_FALSE(folder.Has("3.sav")) << "a loaded game saved under a new name";
}

TEST_F(NewGameScreens, ErasingAsksFirstAndTheLastSaveLeavesOnlyTheNotice) {
    std::string saveName;
    SaveGame(*RunningGame::NewGame("Knight", u"Arthur", 0, 1), saveName);
    Ref<DialogHost> host = MakeRef<DialogHost>();
    ShowLoadGame(*host);
    Ref<LoadGameDialog> load(dynamic_cast<LoadGameDialog*>(host->dialog()));
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(TextOf(*load, "Title"), u"Select Game to load");
    auto& list = dynamic_cast<ListBox&>(*load->findChild("GamesList"));
    EXPECT_EQ(list.items(), (std::vector<std::u16string>{u"Arthur the Squire"}));
    EXPECT_EQ(TextOf(*load, "Status").substr(0, 34), u"Days Left: 600\nDifficulty: Normal\n");
    EXPECT_FALSE(load->findChild("PgUp")->isEnabled() || load->findChild("PgDown")->isEnabled());

    const auto erase = [&](const char* answerButton) {
        Click(*load, "Erase");
        ASSERT_EQ(TextOf(*host->dialog(), "Text"), u"Are you sure to delete this game?");
        Click(*host->dialog(), answerButton);
        EXPECT_EQ(host->dialog(), load.get());
    };
    erase("Button1");  // No
    EXPECT_TRUE(folder.Has("1.sav"));
    erase("Button0");  // Yes
    EXPECT_FALSE(folder.Has("1.sav"));
    EXPECT_EQ(TextOf(*load, "Title"), u"No one save files found");
    for (const char* hidden : {"GamesList", "PgUp", "PgDown", "Start Game", "Erase"}) {
        EXPECT_FALSE(load->findChild(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(load->findChild("Cancel")->isVisible());
}

}  // namespace
}  // namespace cv
