#include "core_test_support.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/file_stream.h"
#include "core/package.h"
#include "core/resource_groups.h"
#include "core/settings.h"

namespace cv::test {

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("corvanth_core_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::filesystem::remove_all(path_);
}

void ScratchDir::Write(const std::string& name, const std::string& content) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

std::string ScratchDir::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Utf16File(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void UseFolderAsGame(const ScratchDir& dir) {
    SetAppDir(dir.str());
    SetCfgPath(dir / "Corvanth.CFG");
    if (!dir.Has("Corvanth.CFG")) dir.Write("Corvanth.CFG", "");
    Settings().clear();
    ResetResourceGroups();
    Ref<ResourceGroup> group = MakeRef<ResourceGroup>("");
    RegisterGroup(group);
    group->Add(MakeRef<DirectorySource>(".", dir.str()));
}

void WritePackage(const ScratchDir& dir, const std::string& name,
                  const std::vector<std::pair<std::string, std::string>>& entries) {
    Package package;
    for (const auto& [entry, content] : entries) package.Add(entry, content);
    FileStream out(dir / name, 'c');
    testing::internal::CaptureStdout();
    package.Write(out, Package::kCompress);
    testing::internal::GetCapturedStdout();
}

}  // namespace cv::test
