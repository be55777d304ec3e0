#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cv::e2e {

struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a program, each argument one word, and collects its exit status and
// both output streams.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args);

// A fresh folder for one test's game files, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // Creates the parent folders as needed.
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;
    // `text` with every "@" standing for the folder's path.
    std::string Expand(std::string text) const;

private:
    std::filesystem::path path_;
};

// Copies the built game folder's CFG and packages into `dir`.
void CopyGameFolder(const TempDir& dir);
void CopyGameFolderTo(const std::filesystem::path& folder);

// Runs the game headless and seeded in `dir`, on `script` when there is one.
RunResult RunGame(const TempDir& dir, const std::string& script = "");

// A picture as 8-bit RGBA, read back from a PNG file.
struct Png {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
    uint32_t Rgb(int x, int y) const {
        return uint32_t(At(x, y)[0]) << 16 | At(x, y)[1] << 8 | At(x, y)[2];
    }
};

// Fails the running test when the file cannot be read, and then gives a black
// 640 x 480 screen, so that the checks on it fail rather than crash.
Png ReadBack(const std::filesystem::path& path);

// A rectangle of the screen, right and bottom edges excluded.
struct Region {
    int x0, y0, x1, y1;
};

// The same pixels in the region, apart from those in `except`.
bool SameRegion(const Png& a, const Png& b, Region r, Region except = {});

}  // namespace cv::e2e
