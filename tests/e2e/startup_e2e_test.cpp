#include <gtest/gtest.h>

#include <filesystem>

#include "game_run.h"

namespace cv::e2e {
namespace {

// The bytes of a language file holding `text`: byte order mark, UTF-16LE.
std::string LanguageFile(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

// The real main package (cut in half when `cut`), the CFG (none when null)
// and Data/English.lng.txt.
void WriteGame(const TempDir& dir, const char* cfg, const std::string& language, bool cut) {
    const std::filesystem::path pak = dir / "Corvanth.pak";
    std::filesystem::copy_file(std::filesystem::path(CORVANTH_GAME_DIR) / "Corvanth.pak", pak);
    if (cut) std::filesystem::resize_file(pak, std::filesystem::file_size(pak) / 2);
    if (cfg) dir.Write("Corvanth.CFG", cfg);
    dir.Write("Data/English.lng.txt", language);
}

// Every way a game folder can be unfit to start, with what the player reads.
TEST(Startup, AnUnfitGameFolderIsReportedAndFails) {
    const std::string game = "package=Corvanth.pak\ndir=Data\n";
    const std::string language = LanguageFile(u"[Game saved]\nGame saved\n");
    const std::string box = "Cant create file: @/Data.pak\n";
    struct Case {
        const char* cfg;
        std::string language;
        std::string err;          // "@" stands for the game folder
        std::string script = "";  // answers to the boxes
        bool cutPackage = false;  // the message then goes on with the entry's name
    };
    const Case cases[] = {
        {"ScrWidth=480\r\n[Broken\r\n", language, "Error: Invalid CFG line: [Broken\n"},
        {nullptr, language, "Error: Open error in @/Corvanth.CFG\n"},
        {"ScrWidth=0\n", language, "Error: Invalid screen size 0x640 in @/Corvanth.CFG\n"},
        {"dir=Data\n", language, "Error: Resource not found: Fonts\\arial.fnm\n"},
        {"[Data]\npackage=Data.pak\n", language,
         box + box + box + "Error: Open error in @/Data.pak\n", "answer Retry\nanswer Retry\n"},
        {game.c_str(), "[a]\n", "Error: Expected Unicode text in <English.lng.txt>\n"},
        {game.c_str(), language, "Error: Corrupted package @/Corvanth.pak: the data of \"", "",
         true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err);
        TempDir dir;
        WriteGame(dir, c.cfg, c.language, c.cutPackage);
        const std::string err = dir.Expand(c.err);
        RunResult r = RunGame(dir, c.script);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(c.cutPackage ? r.err.substr(0, err.size()) : r.err, err);
    }
}

TEST(Startup, AGoodGameRunsItsScriptKeepsItsLanguageAndStopsAtABadLine) {
    TempDir dir;
    WriteGame(dir, "CurLanguage=English\npackage=Corvanth.pak\ndir=Data\n",
              LanguageFile(u"[Game saved]\nGame saved\n"), false);
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
