#include "core/resource_groups.h"

#include <gtest/gtest.h>

#include "core/package.h"
#include "core/settings.h"
#include "core_test_support.h"
#include "support/error_of.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::ScratchDir;

class ResourceGroupsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAppDir(dir.str());
        ResetResourceGroups();
        test::WritePackage(
            dir, "base.pak",
            {{"Forms\\Title\\form.txt", "packed form"}, {"Img\\Back", "packed back"}});
        dir.Write("Data/Forms/Title/form.txt", "loose form");
        dir.Write("French/Img/Back", "french back");
        RegisterGroup(MakeRef<ResourceGroup>(""));
        RegisterGroup(MakeRef<ResourceGroup>("French"));
    }
    void TearDown() override { ResetResourceGroups(); }
    std::string Text(const std::string& name) { return ReadAll(*OpenResourceOrFail(name)); }

    ScratchDir dir;
};

TEST_F(ResourceGroupsTest, LaterSourcesOverrideAndTheLanguageGroupComesFirst) {
    AddSource("", "base.pak", false);
    AddSource("", "Data", true);
    AddSource("French", "French", true);
    AddSource("Nowhere", "Data", true);  // not registered: nothing happens
    EXPECT_EQ(DefaultGroup()->sourceCount(), 2u);

    EXPECT_EQ(Text("Forms\\Title\\form.txt"), "loose form");  // the directory came later
    EXPECT_EQ(Text("IMG\\BACK"), "packed back");              // packages ignore case

    SelectGroup("French");
    EXPECT_EQ(Text("Img\\Back"), "french back");
    EXPECT_EQ(Text("Forms\\Title\\form.txt"), "loose form");  // French lacks it: default next
    SelectGroup("Klingon");                                   // unknown: no current group
    EXPECT_EQ(Text("Img\\Back"), "packed back");
    EXPECT_EQ(OpenResource("none"), nullptr);
    EXPECT_EQ(ErrorOf([&] { OpenResourceOrFail("Fonts\\none.fnm"); }),
              "Resource not found: Fonts\\none.fnm");

    RemoveSource("", "data");  // names compare exactly
    EXPECT_EQ(Text("Forms\\Title\\form.txt"), "loose form");
    RemoveSource("", "Data");
    EXPECT_EQ(Text("FORMS\\title\\form.txt"), "packed form");
    AddSource("", "Data", true);
    RemoveSource("", "base.pak");
    EXPECT_FALSE(ResourceExists("FORMS\\title\\form.txt"));  // the file system decides
    RemoveSource("", "Data");
    EXPECT_EQ(DefaultGroup()->sourceCount(), 0u);
    RemoveSource("", "Data");
}

TEST_F(ResourceGroupsTest, GroupsAreNamedInNameOrderAndMissingPackagesFail) {
    RegisterGroup(MakeRef<ResourceGroup>("Deutsch"));
    EXPECT_EQ(GroupCount(), 3u);
    EXPECT_EQ(GroupName(0) + "," + GroupName(1) + "," + GroupName(2) + "," + GroupName(3),
              ",Deutsch,French,");
    EXPECT_EQ(ErrorOf([&] { AddSource("", "gone.pak", false); }),
              "Open error in " + (dir / "gone.pak"));
    dir.Write("cut.pak", std::string(12, '\0'));
    EXPECT_EQ(ErrorOf([&] { AddSource("", "cut.pak", false); }),
              "Corrupted package " + (dir / "cut.pak") + ": the header is cut short");
}

}  // namespace
}  // namespace cv
