#include <gtest/gtest.h>

#include "game_run.h"

namespace cv::e2e {
namespace {

RunResult RunGame(const TempDir& dir, const std::string& extra = "") {
    return RunProgram(CORVANTH_EXE, "--headless --game-dir '" + dir.path().string() + "' " + extra);
}

TEST(Startup, ABadOrMissingCfgIsReportedAndFails) {
    struct Case {
        const char* cfg;  // nullptr: no CFG at all
        std::string error;
        bool namesTheCfg;
    };
    for (const Case& c : {Case{"ScrWidth=480\r\n[Broken\r\n", "Invalid CFG line: [Broken", false},
                          Case{nullptr, "Open error in ", true},
                          Case{"ScrWidth=0\n", "Invalid screen size 0x640 in ", true}}) {
        SCOPED_TRACE(c.error);
        TempDir dir;
        if (c.cfg) dir.Write("Corvanth.CFG", c.cfg);
        const std::string name = c.namesTheCfg ? (dir / "Corvanth.CFG").string() : "";
        RunResult r = RunGame(dir);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Error: " + c.error + name + "\n");
    }
}

TEST(Startup, AMissingPackageAsksRetryOrCancelThenIsAnOpenError) {
    TempDir dir;
    const std::string pak = (dir / "Data.pak").string();
    dir.Write("Corvanth.CFG", "[Data]\npackage=Data.pak\n");
    RunResult r = RunGame(dir);
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.err, "Cant create file: " + pak + "\nError: Open error in " + pak + "\n");

    dir.Write("retry.txt", "answer Retry\nanswer Retry\n");
    r = RunGame(dir, "--script '" + (dir / "retry.txt").string() + "'");
    EXPECT_NE(r.status, 0);
    const std::string box = "Cant create file: " + pak + "\n";
    EXPECT_EQ(r.err, box + box + box + "Error: Open error in " + pak + "\n");
}

TEST(Startup, AGoodGameStartsLoadsItsLanguageAndEndsWithStatusZero) {
    TempDir dir;
    WriteStartableGame(dir, "CurLanguage=English\n");
    dir.Write("script.txt", "tick 5\nkey Enter\ntap 10 10\nquit\n");
    RunResult r = RunGame(dir, "--seed 7 --script '" + (dir / "script.txt").string() + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // Loading the language keeps the choice, with the defaults asked so far.
    EXPECT_EQ(dir.Read("Corvanth.CFG"),
              "CurLanguage=English\r\npackage=Corvanth.pak\r\ndir=Data\r\nScrHeight=640\r\n"
              "ScrWidth=480\r\n");
}

TEST(Startup, AGameFolderWithoutItsDataNamesWhatIsMissing) {
    TempDir dir;
    dir.Write("Corvanth.CFG", "dir=Data\n");
    dir.Write("Data/English.lng.txt", LanguageFile(u"[a]\n"));
    RunResult r = RunGame(dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: Resource not found: Fonts\\arial.fnm\n");
}

TEST(Startup, ScriptErrorsNameTheLine) {
    TempDir dir;
    WriteStartableGame(dir, "a=b\n");
    dir.Write("s.txt", "tick 1\nfly away\n");
    RunResult r = RunGame(dir, "--script '" + (dir / "s.txt").string() + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("line 2: cannot read \"fly away\""), std::string::npos) << r.err;
}

TEST(CommandLine, HelpVersionAndBadOptions) {
    RunResult help = RunProgram(CORVANTH_EXE, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--headless"), std::string::npos);
    RunResult version = RunProgram(CORVANTH_EXE, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Corvanth ", 0), 0u);
    EXPECT_EQ(RunProgram(CORVANTH_EXE, "--bogus").status, 2);
    EXPECT_EQ(RunProgram(CORVANTH_EXE, "--seed x").status, 2);
}

TEST(IniTool, DumpsEveryItemInChildOrderAndReportsParseErrors) {
    TempDir dir;
    dir.Write("a.ini", "Rules { Days=600 Rate=1.5 }\nName=\"x y\"\nEmpty{}\n");
    dir.Write("b.ini", "Rules.Days=700\n");
    RunResult r = RunProgram(CORVANTH_INI_TOOL, "dump '" + (dir / "a.ini").string() + "' '" +
                                                    (dir / "b.ini").string() + "'");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Empty {}\nName String \"x y\"\nRules.Days int 700\nRules.Rate float 1.5\n");

    dir.Write("bad.ini", "a = 1 $\n");
    r = RunProgram(CORVANTH_INI_TOOL, "dump '" + (dir / "bad.ini").string() + "'");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.err, "Error: Sintax error in line: a = 1 <ERR>$\n");
    EXPECT_NE(RunProgram(CORVANTH_INI_TOOL, "").status, 0);
}

}  // namespace
}  // namespace cv::e2e
