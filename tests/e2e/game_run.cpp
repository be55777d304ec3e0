#include "game_run.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/png_file.h"

namespace cv::e2e {
namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

RunResult RunProgram(const std::string& program, const std::string& args) {
    TempDir io;
    std::string command = "'" + program + "' " + args + " >'" + (io / "out").string() +
                          "' 2>'" + (io / "err").string() + "' </dev/null";
    int raw = std::system(command.c_str());
    RunResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
    result.out = Slurp(io / "out");
    result.err = Slurp(io / "err");
    return result;
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("corvanth_e2e_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() { std::filesystem::remove_all(path_); }

void TempDir::Write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << content;
}

std::string TempDir::Read(const std::string& name) const { return Slurp(path_ / name); }

std::string LanguageFile(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

void WriteStartableGame(const TempDir& dir, const std::string& cfg) {
    std::filesystem::copy_file(std::filesystem::path(CORVANTH_GAME_DIR) / "Corvanth.pak",
                               dir / "Corvanth.pak");
    dir.Write("Corvanth.CFG", cfg + "package=Corvanth.pak\ndir=Data\n");
    dir.Write("Data/English.lng.txt", LanguageFile(u"[Game saved]\nGame saved\n"));
}

void CopyGame(const TempDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(CORVANTH_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "Corvanth.CFG" || entry.path().extension() == ".pak") {
            std::filesystem::copy_file(entry.path(), dir / name);
        }
    }
}

Png ReadBack(const std::filesystem::path& path) {
    Png png;
    std::string error;
    EXPECT_TRUE(platform::ReadPng(path.string(), png.width, png.height, png.rgba, error)) << error;
    return png;
}

}  // namespace cv::e2e
