#include <cstddef>
#include <cstdint>

#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "gfx/sprite.h"

// Loads arbitrary bytes as a ".s16" file; what loads must save unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cv::Ref<cv::MemoryStream> in = cv::MakeRef<cv::MemoryStream>("fuzz.s16");
    in->Write(data, size);
    cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
    try {
        sprite->load(*in);
    } catch (const cv::EngineError&) {
        return 0;
    }
    sprite->getSize();
    sprite->getBounds();
    cv::Ref<cv::MemoryStream> out = cv::MakeRef<cv::MemoryStream>();
    sprite->save(*out);
    if (out->bytes().size() != size) __builtin_trap();
    return 0;
}
