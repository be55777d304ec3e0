#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "gfx/sprite.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"

// Input: column and row (int32 each), mode, surface (depth and kind) and the
// words of a ".s16" file after its mark. Draws the sprite there, if it loads.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr size_t kHead = 10;
    if (size < kHead) return 0;
    int32_t column, row;
    std::memcpy(&column, data, 4);
    std::memcpy(&row, data + 4, 4);
    const int mode = data[8] % 3;
    const int depths[] = {15, 16, 24};
    const int bits = depths[data[9] % 3];
    cv::Ref<cv::MemoryStream> in = cv::MakeRef<cv::MemoryStream>("fuzz.s16");
    in->Write("S16\0", 4);
    in->Write(data + kHead, size - kHead);
    cv::Ref<cv::Sprite> sprite = cv::MakeRef<cv::Sprite>();
    try {
        sprite->load(*in);
    } catch (const cv::EngineError&) {
        return 0;
    }
    cv::Ref<cv::ISurface> surface;
    if (data[9] & 0x80) {
        surface = cv::MakeRef<cv::ISurfaceDIB>(37, 23, bits);
    } else {
        surface = cv::MakeRef<cv::ISurfaceSoft>(37, 23, bits);
    }
    sprite->drawOnto(*surface, column, row, mode);
    // Small positions are far likelier to overlap the surface.
    sprite->drawOnto(*surface, column % 64, row % 64, mode);
    return 0;
}
