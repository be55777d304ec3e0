// The screens before a game: the hero choice, the new-game form with its
// difficulty rows, the generated map set joining the rules, and the list of
// saves with erasing and loading.
#include <gtest/gtest.h>

#include "app/key_codes.h"
#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/resource_groups.h"
#include "core/save_game.h"
#include "gui/form_reader.h"
#include "gui/text_button.h"
#include "platform/headless/headless_platform.h"
#include "platform/runtime_rand.h"
#include "screens/hero_info_dialog.h"
#include "screens/hero_select_screen.h"
#include "screens/list_box.h"
#include "screens/load_game_dialog.h"
#include "screens/message_box_dialog.h"
#include "screens/new_game_screen.h"
#include "screens/random_maps_screen.h"
#include "screens_test_support.h"

namespace cv {
namespace {

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
        test::LoadIsleRules();
        // Level 2 of the rules has no texts, level 3 is missing.
        Parse(*Root(), R"(StartHero { X0 = 2 Y0 = 2 }
            HardLevels { 0 { Difficulty = "Easy" Score = "50%" } 1 { Difficulty = "Normal" } })");
        folder.WriteTerrain("Isle", test::IsleTerrain());
        platform::Srand(5);
        TheNewGameChoices() = NewGameChoices{};
        CurrentSaveName().clear();
    }
    void TearDown() override { SetCurrentGame(nullptr); }

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
    static int IntAt(const std::string& path) {
        int32_t value = -1;
        if (Value* found = FindValue(Root(), path)) found->GetInt(value);
        return value;
    }
    static std::u16string TextOf(Form& form, const std::string& widget) {
        return form.findChild(widget)->text();
    }
    static void Type(Form& form, const std::u16string& text) {
        for (char16_t ch : text) form.onChar(ch);
    }
    // A new knight saved as the menu saves him, under the next free name.
    static void SaveKnight(const std::u16string& name) {
        CurrentSaveName().clear();
        SaveGame(*RunningGame::NewGame("Knight", name, 0, 1));
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

TEST_F(NewGameScreens, OnlyANameEnablesStartGameAndNamesKeepSixtyThreeCharacters) {
    Ref<NewGameForm> form = Loaded<NewGameForm>("NewGame");
    GuiElement* start = form->findChild("Start Game");
    EXPECT_EQ(TheNewGameChoices().heroName, u"");
    EXPECT_FALSE(start->isEnabled());
    Click(*form, "Start Game");
    EXPECT_EQ(CurrentGame(), nullptr) << "a game began without a name";

    Type(*form, u"Al");
    EXPECT_EQ(TheNewGameChoices().heroName, u"Al");
    EXPECT_TRUE(start->isEnabled());
    Type(*form, u"\b\b");
    EXPECT_EQ(TheNewGameChoices().heroName, u"");
    EXPECT_FALSE(start->isEnabled());

    Type(*form, std::u16string(70, u'x'));
    EXPECT_EQ(TheNewGameChoices().heroName, std::u16string(NewGameForm::kMaxNameLength, u'x'));
    EXPECT_EQ(TextOf(*form, "Hero Name").size(), NewGameForm::kMaxNameLength);
}

TEST_F(NewGameScreens, TheDifficultyRowsShowTheRulesLevelsAndFollowTheCheckedRadio) {
    Ref<NewGameForm> form = Loaded<NewGameForm>("NewGame");
    EXPECT_EQ(TheNewGameChoices().difficulty, 1);
    EXPECT_EQ(TextOf(*form, "Difficulty0"), u"Easy");
    EXPECT_EQ(TextOf(*form, "Days0"), u"900");
    EXPECT_EQ(TextOf(*form, "Score0"), u"50%");
    EXPECT_EQ(TextOf(*form, "Days2"), u"400");
    EXPECT_EQ(TextOf(*form, "Days3"), u"") << "a level the rules lack is left alone";
    const uint32_t normal = form->color(kColorNorm), highlight = form->color(kColorSelect);
    ASSERT_NE(normal, highlight);
    auto shownAsChosen = [&](int level) {
        const std::string digit = std::to_string(level);
        const bool checked = Checked(*form, "Difficulty" + digit);
        const bool days = form->findChild("Days" + digit)->color(kColorNorm) == highlight;
        const bool score = form->findChild("Score" + digit)->color(kColorNorm) == highlight;
        EXPECT_TRUE(checked == days && days == score) << "row " << level << " is half chosen";
        return checked;
    };
    EXPECT_TRUE(shownAsChosen(1));
    EXPECT_FALSE(shownAsChosen(0));

    Check(*form, "Difficulty0");
    EXPECT_EQ(TheNewGameChoices().difficulty, 0);
    EXPECT_TRUE(shownAsChosen(0));
    EXPECT_FALSE(shownAsChosen(1));
    EXPECT_EQ(form->findChild("Days1")->color(kColorNorm), normal);

    Ref<RadioButton> stray = MakeRef<RadioButton>();
    stray->setName("Difficulty7");
    sendMessage(stray.get(), form.get(), Message{"RadioCheck", "", 0, nullptr});
    EXPECT_EQ(TheNewGameChoices().difficulty, 1);
    EXPECT_EQ(DifficultyOfRadio("Level4"), 4);
    EXPECT_EQ(DifficultyOfRadio(""), 1);

    // The random maps box toggles its own flag and leaves the level alone.
    EXPECT_FALSE(form->randomMaps());
    Check(*form, "RandMaps");
    EXPECT_TRUE(form->randomMaps());
    EXPECT_TRUE(Checked(*form, "RandMaps"));
    Check(*form, "RandMaps");
    EXPECT_FALSE(Checked(*form, "RandMaps"));
    EXPECT_EQ(TheNewGameChoices().difficulty, 1);
}

TEST_F(NewGameScreens, InfoShowsTheClassStartAndStartGameBeginsTheChosenGame) {
    TheNewGameChoices().heroClass = "Sorceress";
    TheNewGameChoices().sex = 1;
    Ref<NewGameForm> form = Loaded<NewGameForm>("NewGame");
    Type(*form, u"Morgana");
    Check(*form, "Difficulty0");

    Click(*form, "Info");
    auto* info = dynamic_cast<HeroInfoDialog*>(form->dialog());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(TextOf(*info, "Field0"), u"Witch");
    EXPECT_EQ(TextOf(*info, "Field1"), u"1,000");
    EXPECT_EQ(TextOf(*info, "Army0"), u"");
    Click(*info, "OK");
    EXPECT_EQ(form->dialog(), nullptr);

    Click(*form, "Start Game");
    ASSERT_NE(CurrentGame(), nullptr);
    const Hero& hero = CurrentGame()->hero();
    EXPECT_EQ(hero.name(), u"Morgana");
    EXPECT_EQ(hero.classId(), "Sorceress");
    EXPECT_TRUE(hero.IsFemale());
    EXPECT_EQ(hero.difficulty(), 0);
    EXPECT_EQ(CurrentGame()->time().daysLeft(), 900);
}

// The generator's set joins the rules only after the pause, counted on the
// virtual clock's timer ticks.
TEST_F(NewGameScreens, AGeneratedMapSetJoinsTheRulesThreeSecondsAfterItIsWritten) {
    platform::HeadlessPlatform host("", nullptr);
    platform::SetCurrent(&host);
    host.SetTimer(platform::kTimerId, platform::kTimerPeriodMs);
    bool continued = false;
    Ref<RandomMapsForm> screen = MakeRef<RandomMapsForm>([&] { continued = true; });
    loadForm(*screen, "MapGen");
    EXPECT_EQ(TextOf(*screen, "Text"), u"Random Maps Generation...");
    screen->Update();
    EXPECT_TRUE(screen->succeeded());
    ASSERT_TRUE(folder.Has("CVMRG/map.ini"));
    const auto tick = [&] {
        host.Execute(platform::ScriptReader::ParseLine("tick 1"));
        screen->Tick();
    };
    while (host.TickCount() + platform::kTimerPeriodMs < RandomMapsForm::kPauseMs) tick();
    EXPECT_FALSE(continued);
    EXPECT_EQ(IntAt("StartHero.X0"), 2) << "merged before the pause";
    tick();
    EXPECT_TRUE(continued);
    platform::SetCurrent(nullptr);

    // The set's own hero start replaces the rules' one; its continents join
    // the island, each with its terrain file found.
    const std::string ini = folder.Read("CVMRG/map.ini");
    const size_t at = ini.find("StartHero.X0 = ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(IntAt("StartHero.X0"), std::stoi(ini.substr(at + 15)));
    Dispatcher* maps = FindNode(Root(), "Maps");
    int generated = 0;
    for (std::string id = FirstChildName(maps); !id.empty(); id = NextChildName(maps, id)) {
        if (id == "Isle") continue;
        ++generated;
        EXPECT_TRUE(ResourceExists("Terr\\" + id + ".cvmap")) << id;
    }
    EXPECT_EQ(generated, 4);
}

TEST_F(NewGameScreens, WithoutReadableSavesTheLoadScreenShowsOnlyItsNotice) {
    folder.Write("damaged.sav", "not a save at all");
    Ref<DialogHost> host = MakeRef<DialogHost>();
    ShowLoadGame(*host);
    auto* load = dynamic_cast<LoadGameDialog*>(host->dialog());
    ASSERT_NE(load, nullptr);
    EXPECT_TRUE(load->entries().empty());
    EXPECT_EQ(TextOf(*load, "Title"), u"No one save files found");
    for (const char* hidden : {"GamesList", "PgUp", "PgDown", "Start Game", "Erase"}) {
        EXPECT_FALSE(load->findChild(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(load->findChild("Cancel")->isVisible());
}

TEST_F(NewGameScreens, ErasingAsksFirstAndTheLastSaveLeavesTheEmptyList) {
    SaveKnight(u"Arthur");
    Ref<DialogHost> host = MakeRef<DialogHost>();
    ShowLoadGame(*host);
    Ref<LoadGameDialog> load(dynamic_cast<LoadGameDialog*>(host->dialog()));
    ASSERT_NE(load, nullptr);
    EXPECT_EQ(TextOf(*load, "Title"), u"Select Game to load");
    auto& list = dynamic_cast<ListBox&>(*load->findChild("GamesList"));
    EXPECT_EQ(list.items(), (std::vector<std::u16string>{u"Arthur the Squire"}));
    EXPECT_EQ(TextOf(*load, "Status").substr(0, 34), u"Days Left: 600\nDifficulty: Normal\n");
    EXPECT_FALSE(load->findChild("PgUp")->isEnabled());
    EXPECT_FALSE(load->findChild("PgDown")->isEnabled());

    const auto erase = [&](const char* answerButton) {
        Click(*load, "Erase");
        auto* box = dynamic_cast<MessageBoxDialog*>(host->dialog());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(*box, "Text"), u"Are you sure to delete this game?");
        Click(*box, answerButton);
        EXPECT_EQ(host->dialog(), load.get());
    };
    erase("Button1");  // No
    EXPECT_TRUE(folder.Has("1.sav"));
    erase("Button0");  // Yes
    EXPECT_FALSE(folder.Has("1.sav"));
    EXPECT_TRUE(load->entries().empty());
    EXPECT_EQ(TextOf(*load, "Title"), u"No one save files found");
    EXPECT_FALSE(load->findChild("GamesList")->isVisible());
}

TEST_F(NewGameScreens, StartGameLoadsTheChosenSaveAndClosesTheList) {
    SaveKnight(u"Arthur");
    SaveKnight(u"Gawain");
    Ref<DialogHost> host = MakeRef<DialogHost>();
    ShowLoadGame(*host);
    Ref<LoadGameDialog> load(dynamic_cast<LoadGameDialog*>(host->dialog()));
    ASSERT_NE(load, nullptr);
    ASSERT_EQ(load->entries().size(), 2u);
    const int gawain = load->entries()[0].displayName == u"Arthur the Squire" ? 1 : 0;
    dynamic_cast<ListBox&>(*load->findChild("GamesList")).select(gawain);
    Click(*load, "Start Game");
    EXPECT_EQ(host->dialog(), nullptr);
    ASSERT_NE(CurrentGame(), nullptr);
    EXPECT_EQ(CurrentGame()->hero().name(), u"Gawain");
    EXPECT_EQ(CurrentSaveName(), load->entries()[gawain].saveName);
}

// A parent that notes the entries its list reports.
class ListParent : public Form {
public:
    bool onMessage(const Message& message) override {
        if (message.name != "Pick") return Form::onMessage(message);
        picked.push_back(message.number);
        return true;
    }
    std::vector<int> picked;
};

TEST(ListBoxTest, PagesTurnByButtonsKeysAndTapsAndEachChoiceIsReported) {
    Ref<ListParent> parent = MakeRef<ListParent>();
    Ref<ListBox> list = MakeRef<ListBox>();
    parent->addChild(list);
    list->setNotification("Pick");
    list->setBounds({0, 0, 100, 40});
    ASSERT_EQ(list->pageSize(), 2);  // rows of the height of no font
    list->setItems({u"a", u"b", u"c", u"d", u"e"});
    EXPECT_EQ(list->selected(), 0);
    EXPECT_FALSE(list->hasPageBefore());

    list->turnPage(-1);
    list->turnPage(1);
    list->turnPage(1);
    list->turnPage(1);  // no page after the last: nothing happens
    EXPECT_EQ(list->firstShown(), 4);
    EXPECT_FALSE(list->hasPageAfter());
    list->turnPage(-1);
    EXPECT_EQ(parent->picked, (std::vector<int>{2, 4, 2}));

    // Keys move the choice and turn the page with it.
    parent->setFocusTo(list.get());
    list->onKey(kKeyDown, true);
    list->onKey(kKeyDown, true);
    EXPECT_EQ(list->selected(), 4);
    EXPECT_EQ(list->firstShown(), 4);
    EXPECT_FALSE(list->onKey(kKeyDown, true)) << "moved past the end";

    // A tap on the second row of the first page; one below the last entry is ignored.
    list->turnPage(-1);
    list->turnPage(-1);
    list->onPointer({PointerEvent::Release, 10, 25, 0, 1});
    list->turnPage(1);
    list->turnPage(1);
    list->onPointer({PointerEvent::Release, 10, 25, 0, 1});
    EXPECT_EQ(list->selected(), 4);
    EXPECT_EQ(parent->picked.back(), 4);
    EXPECT_EQ(parent->picked[parent->picked.size() - 3], 1);

    list->setItems({});
    EXPECT_EQ(list->selected(), -1);
    EXPECT_FALSE(list->onKey(kKeyDown, true));
}

}  // namespace
}  // namespace cv
