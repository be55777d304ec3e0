#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fatal_error.h"
#include "gui/keyboard_reader.h"

// Reads arbitrary bytes as a keyboard definition and shows every key in
// every mode it names.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<cv::KeyboardPartition> partitions;
    try {
        partitions = cv::ReadKeyboardFile(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const cv::EngineError&) {
        return 0;
    }
    for (auto& partition : partitions) {
        for (auto& key : partition.keys) {
            if (!key) continue;
            key->naturalSize();
            for (const char* mode : {"", "Shift"}) key->showMode(mode);
        }
    }
    return 0;
}
