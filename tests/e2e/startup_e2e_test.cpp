#include <gtest/gtest.h>

#include <filesystem>

#include "game_run.h"

namespace cv::e2e {
namespace {

// Every way a game folder can be unfit to start, with the line the player reads.
TEST(Startup, AnUnfitGameFolderIsReportedAndFails) {
    const std::string game = "package=Corvanth.pak\ndir=Data\n";
    const std::string language = LanguageFile(u"[Game saved]\nGame saved\n");
    struct Case {
        const char* cfg;  // nullptr: no CFG at all
        std::string language;
        std::string error;        // "@" stands for the game folder
        bool cutPackage = false;  // the message then goes on with the entry's name
    };
    const Case cases[] = {
        {"ScrWidth=480\r\n[Broken\r\n", language, "Invalid CFG line: [Broken\n"},
        {nullptr, language, "Open error in @/Corvanth.CFG\n"},
        {"ScrWidth=0\n", language, "Invalid screen size 0x640 in @/Corvanth.CFG\n"},
        {"dir=Data\n", language, "Resource not found: Fonts\\arial.fnm\n"},
        {game.c_str(), "[Game saved]\nGame saved\n",
         "Expected Unicode text in <English.lng.txt>\n"},
        {game.c_str(), LanguageFile(u"[a]\n[]\n"), "Empty identifier in English.lng.txt\n"},
        {game.c_str(), language, "Corrupted package @/Corvanth.pak: the data of \"", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        TempDir dir;
        std::filesystem::copy_file(std::filesystem::path(CORVANTH_GAME_DIR) / "Corvanth.pak",
                                   dir / "Corvanth.pak");
        if (c.cutPackage) {
            std::filesystem::resize_file(dir / "Corvanth.pak",
                                         std::filesystem::file_size(dir / "Corvanth.pak") / 2);
        }
        if (c.cfg) dir.Write("Corvanth.CFG", c.cfg);
        dir.Write("Data/English.lng.txt", c.language);
        const std::string error = dir.Expand("Error: " + c.error);
        RunResult r = RunGame(dir);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(c.cutPackage ? r.err.substr(0, error.size()) : r.err, error);
    }
}

TEST(Startup, AMissingPackageAsksRetryOrCancelThenIsAnOpenError) {
    TempDir dir;
    const std::string pak = (dir / "Data.pak").string();
    dir.Write("Corvanth.CFG", "[Data]\npackage=Data.pak\n");
    RunResult r = RunGame(dir);
    EXPECT_NE(r.status, 0);
    const std::string box = "Cant create file: " + pak + "\n";
    EXPECT_EQ(r.err, box + "Error: Open error in " + pak + "\n");

    r = RunGame(dir, "answer Retry\nanswer Retry\n");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.err, box + box + box + "Error: Open error in " + pak + "\n");
}

TEST(Startup, AGoodGameRunsItsScriptKeepsItsLanguageAndStopsAtABadLine) {
    TempDir dir;
    WriteStartableGame(dir, "CurLanguage=English\n");
    RunResult r = RunGame(dir, "tick 5\nkey Enter\ntap 10 10\nquit\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // Loading the language keeps the choice, with the defaults asked so far.
    EXPECT_EQ(dir.Read("Corvanth.CFG"),
              "CurLanguage=English\r\npackage=Corvanth.pak\r\ndir=Data\r\nScrHeight=640\r\n"
              "ScrWidth=480\r\n");
    // A script line that cannot be read is named with its number.
    r = RunGame(dir, "tick 1\nfly away\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 2: cannot read \"fly away\""), std::string::npos) << r.err;
}

}  // namespace
}  // namespace cv::e2e
