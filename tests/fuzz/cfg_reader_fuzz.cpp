#include <cstddef>
#include <cstdint>
#include <string>

#include "app/cfg_file.h"
#include "core/fatal_error.h"

namespace {
struct NullSink : cv::CfgResourceSink {
    void BeginGroup(const std::string&) override {}
    void AddDirectory(const std::string&) override {}
    void AddPackage(const std::string&) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NullSink sink;
    try {
        cv::ReadCfgText(std::string(reinterpret_cast<const char*>(data), size), sink);
    } catch (const cv::EngineError&) {
    }
    return 0;
}
