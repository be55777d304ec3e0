#include "app/cfg_resource_groups.h"

#include <gtest/gtest.h>

#include "core/file_opener.h"
#include "core/file_stream.h"
#include "core/package.h"
#include "core/retry_file_stream.h"
#include "core/settings.h"
#include "core_test_support.h"

namespace cv {
namespace {

// Remembers the streams it opened.
struct RecordingOpener : RetryFileOpener {
    Ref<Stream> OpenFile(const std::string& path, char mode) override {
        Ref<Stream> stream = RetryFileOpener::OpenFile(path, mode);
        opened.push_back(stream);
        return stream;
    }
    std::vector<Ref<Stream>> opened;
};

TEST(CfgResourceGroupsTest, PackageLinesOpenRealPackagesThroughTheOpener) {
    test::ScratchDir dir;
    SetAppDir(dir.str());
    Package package;
    package.Add("Texts\\Intro.txt", "packed");
    package.Add("Texts\\Only.txt", "only packed");
    {
        FileStream out(dir / "Data.pak", 'c');
        testing::internal::CaptureStdout();
        package.Write(out, Package::kCompress);
        testing::internal::GetCapturedStdout();
    }
    dir.Write("Loose/Texts/Intro.txt", "loose");
    RecordingOpener opener;
    SetFileOpener(&opener);
    CfgResourceGroups groups;
    ReadCfgText("Animation=OFF\n[Data]\npackage=Data.pak\ndir=Loose\n", groups);
    SetFileOpener(nullptr);

    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_NE(dynamic_cast<RetryFileStream*>(opener.opened[0].get()), nullptr);
    EXPECT_EQ(opener.opened[0]->Name(), dir / "Data.pak");
    ASSERT_NE(FindGroup("Data"), nullptr);
    EXPECT_EQ(FindGroup("Data")->sourceCount(), 2u);
    EXPECT_EQ(DefaultGroup()->sourceCount(), 0u);
    SelectGroup("Data");
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("texts\\intro.txt")),
              "packed");  // not on disk in that case
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("Texts\\Intro.txt")), "loose");
    EXPECT_EQ(ReadAll(*OpenResourceOrFail("TEXTS\\ONLY.TXT")), "only packed");
    ResetResourceGroups();
}

}  // namespace
}  // namespace cv
