#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace cv::test {

// A fresh folder for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The folder with a trailing "/", as AppDir() holds it.
    std::string str() const { return path_.string() + "/"; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Creates the parent folders as needed.
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;
    bool Has(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

// The bytes of a language file: byte order mark, then UTF-16LE of `text`.
std::string Utf16File(const std::u16string& text);

// An empty resource registry whose default group reads the folder, the CFG
// at folder/Corvanth.CFG (created when missing) and AppDir() at the folder.
void UseFolderAsGame(const ScratchDir& dir);

// A compressed package of {name, content} entries at dir/name, written
// without its report on standard output.
void WritePackage(const ScratchDir& dir, const std::string& name,
                  const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace cv::test
