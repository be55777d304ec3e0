#include <cstddef>
#include <cstdint>

#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "core/package.h"

// Loads the input as a package and reads every entry whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cv::Ref<cv::MemoryStream> stream = cv::MakeRef<cv::MemoryStream>("fuzz.pak");
    stream->Write(data, size);
    try {
        cv::Package package;
        package.Load(stream);
        for (const auto& [key, entry] : package.entries()) cv::ReadAll(*package.Open(entry.name));
    } catch (const cv::EngineError&) {
    }
    return 0;
}
