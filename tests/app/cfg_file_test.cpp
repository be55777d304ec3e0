#include "app/cfg_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/fatal_error.h"
#include "core/settings.h"
#include "screens/game_application.h"

namespace cv {
namespace {

// Records the resource lines as "group:name", "dir:path", "package:path".
struct RecordingSink : CfgResourceSink {
    std::vector<std::string> lines;
    void BeginGroup(const std::string& name) override { lines.push_back("group:" + name); }
    void AddDirectory(const std::string& path) override { lines.push_back("dir:" + path); }
    void AddPackage(const std::string& path) override { lines.push_back("package:" + path); }
};

TEST(CfgText, LineSplittingDropsEmptyLinesAndKeepsBlanks) {
    EXPECT_EQ(SplitCfgLines("a\r\nb\rc\n\n\r\nd"),
              (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitCfgLines(" x = y \n"), (std::vector<std::string>{" x = y "}));
    EXPECT_TRUE(SplitCfgLines("").empty());
}

TEST(CfgText, GroupsAndSourcesGoToTheSinkAndKeysToTheSettings) {
    RecordingSink sink;
    CfgSet("stale", "1");
    ReadCfgText("ScrWidth=320\n[Data]\ndir=Data\npackage=Data.pak\nnoequals\nA=B=C\n"
                "ScrHeight =200\n[Other] trailing\nScrWidth=240\n",
                sink);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"group:", "group:Data", "dir:Data",
                                                    "package:Data.pak", "group:Other"}));
    EXPECT_FALSE(CfgHas("stale"));
    EXPECT_EQ(CfgGet("ScrWidth", "0"), "240");  // a later line wins, groups do not matter
    EXPECT_EQ(CfgGet("A", ""), "B=C");
    EXPECT_FALSE(CfgHas("ScrHeight"));  // stored under "ScrHeight " instead
    EXPECT_TRUE(CfgHas("ScrHeight "));
    EXPECT_FALSE(CfgHas("dir"));
}

TEST(CfgText, OnlyResourceLinesGiveNoSettingsUntilDefaultsAreAsked) {
    RecordingSink sink;
    ReadCfgText("[G]\ndir=x\npackage=y.pak\n", sink);
    EXPECT_TRUE(Settings().empty());
    EXPECT_EQ(CfgGet("CurLanguage", "English"), "English");
    EXPECT_TRUE(CfgHas("CurLanguage"));
}

TEST(CfgText, GroupWithoutClosingBracketIsFatal) {
    RecordingSink sink;
    try {
        ReadCfgText("a=1\n[Broken\n", sink);
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_STREQ(e.what(), "Invalid CFG line: [Broken");
    }
}

class CfgSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("cfgsave_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        SetCfgPath((dir / "Corvanth.CFG").string());
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    void Write(const std::string& text) { std::ofstream(CfgPath(), std::ios::binary) << text; }
    std::string Read() {
        std::ifstream in(CfgPath(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::filesystem::path dir;
};

TEST_F(CfgSaveTest, KeepsEveryOtherLineInPlaceAndAppendsNewKeys) {
    Write("; settings\n[Main]\ndir=Data\nAnimation=ON\nCurLanguage=English\n\npackage=a.pak\n");
    RecordingSink sink;
    ReadCfgText(Read(), sink);
    CfgSet("Animation", "OFF");
    CfgGet("ScrWidth", "480");
    CfgSave();
    EXPECT_EQ(Read(),
              "; settings\r\n[Main]\r\ndir=Data\r\nAnimation=OFF\r\nCurLanguage=English\r\n"
              "package=a.pak\r\nScrWidth=480\r\n");
    EXPECT_FALSE(std::filesystem::exists(CfgPath() + ".tmp"));
    // Saving again changes nothing.
    const std::string first = Read();
    CfgSave();
    EXPECT_EQ(Read(), first);
}

TEST_F(CfgSaveTest, AMissingFileIsAnOpenError) {
    try {
        CfgSave();
        FAIL() << "no error";
    } catch (const EngineError& e) {
        EXPECT_EQ(std::string(e.what()), "Open error in " + CfgPath());
    }
}

TEST(ModulePaths, CfgSitsBesideTheExecutable) {
    EXPECT_EQ(CfgPathForModule("/opt/game.d/Corvanth"), "/opt/game.d/Corvanth.CFG");
    EXPECT_EQ(CfgPathForModule("/opt/game/Corvanth.exe"), "/opt/game/Corvanth.CFG");
    EXPECT_EQ(FolderOf("/opt/game/Corvanth"), "/opt/game/");
}

}  // namespace
}  // namespace cv
