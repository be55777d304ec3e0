#include "app/cfg_file.h"

#include <gtest/gtest.h>

#include "app/cfg_resource_groups.h"
#include "core/package.h"
#include "core/settings.h"
#include "core_test_support.h"
#include "screens/game_application.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;

// Records the resource lines as "group:name", "dir:path", "package:path".
struct RecordingSink : CfgResourceSink {
    std::vector<std::string> lines;
    void BeginGroup(const std::string& name) override { lines.push_back("group:" + name); }
    void AddDirectory(const std::string& path) override { lines.push_back("dir:" + path); }
    void AddPackage(const std::string& path) override { lines.push_back("package:" + path); }
};

TEST(CfgText, LineSplittingDropsEmptyLinesAndKeepsBlanks) {
    EXPECT_EQ(SplitCfgLines("a\r\nb\rc\n\n\r\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitCfgLines(" x = y \n"), (std::vector<std::string>{" x = y "}));
}

TEST(CfgText, GroupsAndSourcesGoToTheSinkAndKeysToTheSettings) {
    RecordingSink sink;
    CfgSet("stale", "1");
    ReadCfgText(
        "ScrWidth=320\n[Data]\ndir=Data\npackage=Data.pak\nnoequals\nA=B=C\n"
        "ScrHeight =200\n[Other] trailing\nScrWidth=240\n",
        sink);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"group:Data", "dir:Data", "package:Data.pak",
                                                    "group:Other"}));
    EXPECT_FALSE(CfgHas("stale"));
    EXPECT_EQ(CfgGet("ScrWidth", "0"), "240");  // a later line wins, groups do not matter
    EXPECT_EQ(CfgGet("A", ""), "B=C");
    EXPECT_FALSE(CfgHas("ScrHeight"));  // stored under "ScrHeight " instead
    EXPECT_TRUE(CfgHas("ScrHeight "));
    EXPECT_FALSE(CfgHas("dir"));
    EXPECT_EQ(ErrorOf([&] { ReadCfgText("a=1\n[Broken\n", sink); }), "Invalid CFG line: [Broken");
}

TEST(CfgText, ResourceLinesBuildGroupsOfRealSourcesInTheGameFolder) {
    test::ScratchDir dir;
    SetAppDir(dir.str());
    test::WritePackage(dir, "Data.pak",
                       {{"Texts\\Intro.txt", "packed"}, {"Texts\\Only.txt", "only packed"}});
    dir.Write("Loose/Texts/Intro.txt", "loose");
    CfgResourceGroups groups;
    ReadCfgText("Animation=OFF\n[Data]\npackage=Data.pak\ndir=Loose\n", groups);
    ASSERT_NE(FindGroup("Data"), nullptr);
    EXPECT_EQ(FindGroup("Data")->sourceCount(), 2u);
    EXPECT_EQ(DefaultGroup()->sourceCount(), 0u);
    SelectGroup("Data");
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("Texts\\Intro.txt")), "loose");  // the later line wins
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("TEXTS\\ONLY.TXT")), "only packed");
    ResetResourceGroups();
}

TEST(CfgText, AnEmptyHeaderOpensAnotherGroupAndKeepsTheDefaultAndLanguages) {
    test::ScratchDir dir;
    SetAppDir(dir.str());
    dir.Write("Base/Texts/Intro.txt", "base");
    CfgResourceGroups groups;
    ReadCfgText("dir=Base\n[English]\ndir=Eng\n[]\ndir=Other\n", groups);
    ASSERT_NE(FindGroup("English"), nullptr);
    EXPECT_EQ(FindGroup("English")->sourceCount(), 1u);
    ASSERT_NE(FindGroup(""), nullptr);
    EXPECT_NE(FindGroup(""), DefaultGroup());
    EXPECT_EQ(FindGroup("")->sourceCount(), 1u);
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("Texts\\Intro.txt")), "base");
    AddSource("", "Base", true);  // "" still names the default group
    EXPECT_EQ(DefaultGroup()->sourceCount(), 2u);
    ResetResourceGroups();
}

TEST(CfgSave, KeepsEveryOtherLineInPlaceAndAppendsNewKeys) {
    test::ScratchDir dir;
    SetCfgPath(dir / "Corvanth.CFG");
    EXPECT_EQ(ErrorOf([] { CfgSave(); }), "Open error in " + CfgPath());
    dir.Write("Corvanth.CFG",
              "; settings\n[Main]\ndir=Data\nAnimation=ON\nCurLanguage=English\n\npackage=a.pak\n");
    RecordingSink sink;
    ReadCfgFile(sink);
    CfgSet("Animation", "OFF");
    CfgGet("ScrWidth", "480");
    CfgSave();
    const std::string saved =
        "; settings\r\n[Main]\r\ndir=Data\r\nAnimation=OFF\r\nCurLanguage=English\r\n"
        "package=a.pak\r\nScrWidth=480\r\n";
    EXPECT_EQ(dir.Read("Corvanth.CFG"), saved);
    EXPECT_FALSE(dir.Has("Corvanth.CFG.tmp"));
    CfgSave();  // saving again changes nothing
    EXPECT_EQ(dir.Read("Corvanth.CFG"), saved);
    SetCfgPath("");
}

TEST(CfgSave, RewritesOnlyTheLineOfExactlyThatKeyAndNeverAResourceLine) {
    test::ScratchDir dir;
    SetCfgPath(dir / "Corvanth.CFG");
    dir.Write("Corvanth.CFG", "[Main]\ndir=Data\npackage=a.pak\nAnimation=ON\n");
    Settings().clear();
    for (const char* key : {"", "d", "pack", "Anim", "dir", "package"}) CfgSet(key, "x");
    CfgSave();
    EXPECT_EQ(dir.Read("Corvanth.CFG"),
              "[Main]\r\ndir=Data\r\npackage=a.pak\r\nAnimation=ON\r\n=x\r\nAnim=x\r\nd=x\r\n"
              "pack=x\r\n");
    SetCfgPath("");
    Settings().clear();
}

TEST(ModulePaths, CfgSitsBesideTheExecutable) {
    EXPECT_EQ(CfgPathForModule("/opt/game.d/Corvanth"), "/opt/game.d/Corvanth.CFG");
    EXPECT_EQ(CfgPathForModule("/opt/game/Corvanth.exe"), "/opt/game/Corvanth.CFG");
    EXPECT_EQ(FolderOf("/opt/game/Corvanth"), "/opt/game/");
}

}  // namespace
}  // namespace cv
