#include <cstddef>
#include <cstdint>
#include <string>

#include "core/config_parser.h"
#include "core/dispatcher_access.h"
#include "core/fatal_error.h"

// Parses arbitrary text twice into one tree (the merge path), then walks it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    cv::Ref<cv::Dispatcher> root = cv::MakeRef<cv::Dispatcher>();
    try {
        cv::Parse(*root, text);
        cv::Parse(*root, text);
    } catch (const cv::EngineError&) {
        return 0;
    }
    for (std::string n = cv::FirstChildName(root.get()); !n.empty();
         n = cv::NextChildName(root.get(), n)) {
        if (cv::Value* v = cv::FindValue(root.get(), n)) {
            std::string out;
            v->ToText(out);
        }
    }
    return 0;
}
