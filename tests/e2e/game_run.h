#pragma once

#include <gtest/gtest.h>

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

// The script line that taps the point of the game screen.
std::string Tap(int x, int y);

// Script pieces: from the title past the credits to the hero choice; then the
// Knight named "Arthur" started.
inline const std::string kToHeroChoice = "tick 1\nkey Esc\ntick 1\ntap 525 169\ntick 1\n";
inline const std::string kNewKnight =
    kToHeroChoice + "tap 94 220\ntick 1\ntext Arthur\ntap 319 417\n";
// The adventure screen's menu with its "Save Game" and "End Week", a message
// box's only button and the budget's OK.
inline const std::string kOpenMenu = "tap 560 233\n", kSave = "tap 425 221\n";
inline const std::string kWeekEnd = "tap 214 221\n", kOnlyButton = "tap 320 321\n";
inline const std::string kBudgetOk = "tap 320 401\n";

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

// A test on its own copy of the game folder, its frames shot beside it.
class OnGameFolder : public ::testing::Test {
protected:
    void SetUp() override { CopyGameFolder(dir_); }
    // The script line that shoots the frame `name`.
    std::string Shot(const std::string& name) const {
        return "shot " + (dir_ / name).string() + "\n";
    }
    Png Frame(const std::string& name) const { return ReadBack(dir_ / name); }

    TempDir dir_;
};

}  // namespace cv::e2e
