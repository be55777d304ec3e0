#include "game_run.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/png_file.h"

namespace cv::e2e {

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args) {
    TempDir io;
    std::string command = "'" + program + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " >'" + (io / "out").string() + "' 2>'" + (io / "err").string() + "' </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw), io.Read("out"),
            io.Read("err")};
}

std::string Tap(int x, int y) {
    return "tap " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("corvanth_e2e_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::filesystem::remove_all(path_);
}

void TempDir::Write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary) << content;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string TempDir::Expand(std::string text) const {
    for (size_t at = text.find('@'); at != std::string::npos;
         at = text.find('@', at + path_.native().size())) {
        text.replace(at, 1, path_.string());
    }
    return text;
}

void CopyGameFolder(const TempDir& dir) {
    CopyGameFolderTo(dir.path());
}

void CopyGameFolderTo(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(CORVANTH_GAME_DIR)) {
        const std::filesystem::path& from = entry.path();
        if (from.filename() == "Corvanth.CFG" || from.extension() == ".pak") {
            std::filesystem::copy_file(from, folder / from.filename());
        }
    }
}

RunResult RunGame(const TempDir& dir, const std::string& script) {
    std::vector<std::string> args{"--headless", "--seed", "1", "--game-dir", dir.path()};
    if (!script.empty()) {
        dir.Write("script.txt", script);
        args.insert(args.end(), {"--script", dir / "script.txt"});
    }
    return RunProgram(CORVANTH_EXE, args);
}

Png ReadBack(const std::filesystem::path& path) {
    Png png;
    std::string error;
    if (!platform::ReadPng(path.string(), png.width, png.height, png.rgba, error)) {
        ADD_FAILURE() << error;
        png = {640, 480, std::vector<uint8_t>(640 * 480 * 4)};
    }
    return png;
}

bool SameRegion(const Png& a, const Png& b, Region r, Region except) {
    const auto inside = [](int x, int y, Region e) {
        return x >= e.x0 && x < e.x1 && y >= e.y0 && y < e.y1;
    };
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            if (inside(x, y, except)) continue;
            if (std::memcmp(a.At(x, y), b.At(x, y), 3) != 0) return false;
        }
    }
    return true;
}

}  // namespace cv::e2e
