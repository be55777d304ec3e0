#include "screens/autosave.h"

#include <algorithm>
#include <filesystem>

#include "core/save_game.h"
#include "screens/load_game_dialog.h"
#include "screens_test_support.h"

namespace cv::test {
namespace {

namespace fs = std::filesystem;

class Autosaves : public OnIsle {
protected:
    // Loading reads the packaged rules; the load list reads its form.
    void SetUp() override {
        WriteForms({"LoadGame"});
        WritePictures({"Img/Heroes/Knight"});
        WritePackagedRules();
        OnIsle::SetUp();
    }
};

TEST(AutosaveNames, OnlyTheThreeSlotsAreAutosaves) {
    const std::pair<const char*, bool> cases[] = {{"Autosave 1", true},  {"Autosave 3", true},
                                                  {"Autosave 0", false}, {"Autosave 4", false},
                                                  {"autosave 1", false}, {"1", false}};
    for (const auto& [name, autosave] : cases) EXPECT_EQ(IsAutosaveName(name), autosave) << name;
}

// File times are set by hand: several weeks can end within the file system's
// time resolution.
TEST_F(Autosaves, TheFourthWeekReplacesTheOldestAndThePlayersSaveStays) {
    session->Save();
    ASSERT_EQ(session->saveName(), "1");
    const std::string playersSave = folder.Read("1.sav");
    const fs::file_time_type start = fs::file_time_type::clock::now();
    const char* const expectedSlots[] = {"Autosave 1", "Autosave 2", "Autosave 3", "Autosave 1",
                                         "Autosave 2"};
    int step = 0;
    for (const char* slot : expectedSlots) {
        EXPECT_EQ(NextAutosaveName(), slot) << step;
        std::string answered;
        AutosaveAfter([&](const std::string& answer) { answered = answer; })("OK");
        EXPECT_EQ(answered, "OK");
        fs::last_write_time(SavePath(slot), start + std::chrono::seconds(++step));
    }
    std::vector<std::string> saves = ListSaves();
    std::sort(saves.begin(), saves.end());
    EXPECT_EQ(saves, (std::vector<std::string>{"1", "Autosave 1", "Autosave 2", "Autosave 3"}));
    EXPECT_EQ(folder.Read("1.sav"), playersSave);
    EXPECT_EQ(session->saveName(), "1");
}

TEST_F(Autosaves, AreListedWithTheirWeekAndALoadedOneIsSavedUnderTheNextNumber) {
    game->time().EndWeekNow();
    Autosave(*session);
    Ref<DialogHost> title = MakeRef<DialogHost>();
    ShowLoadGame(*title);
    auto* list = dynamic_cast<LoadGameDialog*>(title->dialog());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->entries().at(0).displayName, u"Autosave, week 1");

    Ref<GameSession> loaded = GameSession::Load("Autosave 1");
    EXPECT_EQ(loaded->saveName(), "");
    loaded->Save();
    EXPECT_EQ(loaded->saveName(), "1");
    EXPECT_TRUE(folder.Has("Autosave 1.sav"));
}

}  // namespace
}  // namespace cv::test
