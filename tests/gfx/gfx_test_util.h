#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/fatal_error.h"
#include "core/resource_groups.h"
#include "gfx/surface.h"

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

// The engine error `f` raises, or "" when it raises none.
inline std::string ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const EngineError& e) {
        return e.what();
    }
    return "";
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
