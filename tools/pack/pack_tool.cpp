// corvanth-pack: builds, lists and unpacks the game's resource packages.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/tool_main.h"
#include "core/fatal_error.h"
#include "core/file_stream.h"
#include "core/package.h"

namespace fs = std::filesystem;

namespace {

const char kUsage[] =
    "Usage: corvanth-pack create [--dedup] [--compress] OUT.pak DIR\n"
    "       corvanth-pack list PAK\n"
    "       corvanth-pack extract PAK DIR\n"
    "create   packs every file under DIR; entry names are relative paths with \"\\\"\n"
    "         --dedup    equal files share one copy of their data\n"
    "         --compress every entry is stored zlib-compressed\n"
    "list     one line per entry: name, stored size, data offset, and \"shared\" when\n"
    "         another entry points at the same data\n"
    "extract  writes every entry under DIR\n";

// Thrown for a bad command line: the usage goes to standard error.
using cv::tool::UsageError;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) cv::FatalError("Read error in %s", path.string().c_str());
    return bytes.str();
}

std::string EntryName(const fs::path& relative) {
    std::string name = relative.generic_string();
    for (char& c : name) {
        if (c == '/') c = '\\';
    }
    return name;
}

int Create(const std::vector<std::string>& args) {
    int flags = 0;
    size_t next = 1;
    for (; next < args.size() && args[next].rfind("--", 0) == 0; ++next) {
        if (args[next] == "--dedup") {
            flags |= cv::Package::kDeduplicate;
        } else if (args[next] == "--compress") {
            flags |= cv::Package::kCompress;
        } else {
            throw UsageError{};
        }
    }
    if (args.size() != next + 2) throw UsageError{};
    const fs::path out = args[next], folder = args[next + 1];
    if (!fs::is_directory(folder)) cv::FatalError("%s is not a folder", folder.string().c_str());
    cv::Package package;
    std::map<std::string, fs::path> added;  // by the name the package looks up
    std::error_code same;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(folder)) {
        if (!file.is_regular_file() || fs::equivalent(file.path(), out, same)) continue;
        const std::string name = EntryName(fs::relative(file.path(), folder));
        // One of the two would silently replace the other.
        const auto [first, fresh] = added.emplace(cv::LowerCaseName(name), file.path());
        if (!fresh) {
            const std::string one = first->second.string(), other = file.path().string();
            const auto [a, b] = std::minmax(one, other);
            cv::FatalError("%s and %s differ only in case, and package names do not", a.c_str(),
                           b.c_str());
        }
        package.Add(name, ReadFile(file.path()));
    }
    cv::FileStream stream(out.string(), 'c');
    package.Write(stream, flags);
    return 0;
}

void LoadPackage(cv::Package& package, const std::string& path) {
    package.Load(cv::MakeRef<cv::FileStream>(path, 'r'));
}

int List(const std::vector<std::string>& args) {
    if (args.size() != 2) throw UsageError{};
    cv::Package package;
    LoadPackage(package, args[1]);
    std::map<std::pair<uint32_t, uint32_t>, int> users;  // data block -> entries using it
    for (const auto& [key, entry] : package.entries()) ++users[{entry.offset, entry.storedSize}];
    std::printf("%s: %zu entries, %s\n", args[1].c_str(), package.entries().size(),
                package.compressed() ? "compressed" : "stored");
    for (const auto& [key, entry] : package.entries()) {
        const bool shared = entry.storedSize > 0 && users[{entry.offset, entry.storedSize}] > 1;
        std::printf("%s\t%u\t%u%s\n", entry.name.c_str(), entry.storedSize, entry.offset,
                    shared ? "\tshared" : "");
    }
    return 0;
}

// Entry names come from the file: never let one climb out of the target.
fs::path SafeTarget(const fs::path& folder, const std::string& name) {
    const fs::path relative = cv::NativePath(name);
    bool safe = !name.empty() && relative.is_relative() && !relative.has_root_name();
    for (const fs::path& part : relative) safe = safe && part != ".." && part != ".";
    if (!safe) cv::FatalError("Unsafe entry name \"%s\" in the package", name.c_str());
    return folder / relative;
}

int Extract(const std::vector<std::string>& args) {
    if (args.size() != 3) throw UsageError{};
    cv::Package package;
    LoadPackage(package, args[1]);
    for (const auto& [key, entry] : package.entries()) {
        const fs::path target = SafeTarget(args[2], entry.name);
        fs::create_directories(target.parent_path());
        const std::string content = cv::ReadAll(*package.Open(entry.name));
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out.flush()) cv::FatalError("Write error in %s", target.string().c_str());
    }
    return 0;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) throw UsageError{};
    if (args[0] == "create") return Create(args);
    if (args[0] == "list") return List(args);
    if (args[0] == "extract") return Extract(args);
    throw UsageError{};
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, Run);
}
