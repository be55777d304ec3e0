#include "core/settings_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/fatal_error.h"
#include "core/settings.h"

namespace cv {

std::vector<std::string> SplitCfgLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') continue;
        if (i > start) lines.emplace_back(bytes, start, i - start);
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

std::string ReadSettingsFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) FatalError("Open error in %s", path.c_str());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) FatalError("Read error in %s", path.c_str());
    return bytes.str();
}

namespace {

// Resource lines are never settings: rewriting one loses a package at the next start.
bool IsResourceKey(const std::string& key) {
    return key == "dir" || key == "package";
}

// Replaces the first line whose text before its first "=" is exactly `key`,
// else appends; a prefix ("d" of "dir") is a different key.
void PutSetting(std::vector<std::string>& lines, const std::string& key, const std::string& line) {
    for (std::string& old : lines) {
        size_t eq = old.find('=');
        if (eq != std::string::npos && old.compare(0, eq, key) == 0) {
            old = line;
            return;
        }
    }
    lines.push_back(line);
}

}  // namespace

void CfgSave() {
    const std::string& path = CfgPath();
    std::vector<std::string> lines = SplitCfgLines(ReadSettingsFile(path));
    for (const auto& [key, value] : Settings()) {
        if (!IsResourceKey(key)) PutSetting(lines, key, key + "=" + value);
    }
    // Written aside and renamed, so a crash midway leaves the old file whole.
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) FatalError("Open error in %s", temp.c_str());
        for (const std::string& line : lines) out << line << "\r\n";
        out.flush();
        if (!out) FatalError("Write error in %s", temp.c_str());
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) FatalError("Write error in %s", path.c_str());
}

}  // namespace cv
