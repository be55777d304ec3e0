#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fatal_error.h"
#include "core/language_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        cv::ParseLanguageFile(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
    } catch (const cv::EngineError&) {
    }
    return 0;
}
