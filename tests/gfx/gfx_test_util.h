#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/resource_groups.h"
#include "gfx/surface.h"
#include "support/error_of.h"

namespace cv::test {

inline uint16_t Get16(const SurfaceDesc& d, int x, int y) {
    uint16_t v;
    std::memcpy(&v, d.At(x, y), 2);
    return v;
}

inline void Put16(const SurfaceDesc& d, int x, int y, uint16_t v) {
    std::memcpy(d.At(x, y), &v, 2);
}

inline uint32_t Get24(const SurfaceDesc& d, int x, int y) {
    const uint8_t* p = d.At(x, y);
    return p[0] | p[1] << 8 | p[2] << 16;
}

// The cells of a 16-bit surface that are not 0.
inline std::set<std::pair<int, int>> Inked(const SurfaceDesc& d) {
    std::set<std::pair<int, int>> cells;
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            if (Get16(d, x, y)) cells.insert({x, y});
        }
    }
    return cells;
}

// A sprite file holding `words` after its "S16" tag.
inline std::string SpriteFile(const std::vector<uint16_t>& words) {
    std::string bytes("S16\0", 4);
    for (uint16_t w : words) bytes += {char(w & 0xFF), char(w >> 8)};
    return bytes;
}

// A folder registered as the default resource group, removed afterwards.
class ResourceFolder {
public:
    ResourceFolder() {
        static int counter = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("corvanth_gfx_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        ResetResourceGroups();
        Ref<ResourceGroup> group = MakeRef<ResourceGroup>("");
        group->Add(MakeRef<DirectorySource>("test", dir_.string() + "/"));
        RegisterGroup(group);
    }
    ~ResourceFolder() {
        ResetResourceGroups();
        std::filesystem::remove_all(dir_);
    }
    ResourceFolder(const ResourceFolder&) = delete;
    ResourceFolder& operator=(const ResourceFolder&) = delete;

    // `name` uses "/" between folders.
    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((dir_ / name).parent_path());
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

}  // namespace cv::test
