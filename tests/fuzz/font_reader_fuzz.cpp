#include <cstddef>
#include <cstdint>
#include <string>

#include "core/fatal_error.h"
#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/surface_soft.h"

// Reads arbitrary bytes as a ".fnm" file, then measures and draws every
// character below 256 across the edge of a small surface.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cv::Ref<cv::Font> font;
    try {
        font = cv::MakeRef<cv::Font>(std::string(reinterpret_cast<const char*>(data), size),
                                     "fuzz.fnm");
    } catch (const cv::EngineError&) {
        return 0;
    }
    std::u16string text;
    for (char16_t c = 0; c < 256; ++c) text += c;
    font->getTextSize(text);
    cv::Ref<cv::IPainter> painter =
        cv::createSoftPainter(cv::MakeRef<cv::ISurfaceSoft>(64, 24, 16));
    painter->setColor(0xFFFFFF);
    font->drawText(*painter, {-5, -3}, text);
    return 0;
}
