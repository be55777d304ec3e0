// corvanth-font: renders a font file into the game's bitmap font format.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/tool_main.h"
#include "core/fatal_error.h"
#include "font_ranges.h"
#include "font_render.h"
#include "gfx/font.h"
#include "gfx/painter.h"
#include "gfx/surface_soft.h"
#include "platform/png_file.h"
#include "platform/utf.h"

namespace {

const char kUsage[] =
    "Usage: corvanth-font build FONT --size PX --chars RANGES OUT.fnm\n"
    "       corvanth-font render IN.fnm TEXT OUT.png\n"
    "build:  renders the characters of a font file (TTF, OTF, PCF, ...) at PX pixels\n"
    "        into one-bit glyphs (monochrome hinting). RANGES are comma-separated\n"
    "        code points or ranges, decimal or U+hex: 32-126,U+0400-U+045F.\n"
    "        Characters the font lacks are left out.\n"
    "render: draws TEXT (UTF-8) with a built font, black on white.\n";

int Fail(const std::string& message) {
    std::cerr << "corvanth-font: " << message << '\n';
    return 1;
}

int Build(const std::string& fontPath, const std::string& sizeText, const std::string& ranges,
          const std::string& out) {
    std::vector<char16_t> chars;
    std::string error;
    if (!cv::tools::ParseCharRanges(ranges, chars, error)) return Fail(error);
    char* end = nullptr;
    const long size = std::strtol(sizeText.c_str(), &end, 10);
    if (sizeText.empty() || *end != '\0' || size < 1 || size > 255) {
        return Fail("the size must be a number of pixels from 1 to 255, not \"" + sizeText + "\"");
    }
    std::vector<uint8_t> fnm;
    if (!cv::tools::RenderFnm(fontPath, static_cast<int>(size), chars, fnm, error)) {
        return Fail(error);
    }
    std::ofstream file(out, std::ios::binary);
    file.write(reinterpret_cast<const char*>(fnm.data()), static_cast<std::streamsize>(fnm.size()));
    if (!file.flush()) return Fail("cannot write " + out);
    return 0;
}

int Render(const std::string& in, const std::string& text, const std::string& out) {
    std::ifstream file(in, std::ios::binary);
    if (!file) return Fail("cannot read " + in);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    cv::Ref<cv::Font> font = cv::MakeRef<cv::Font>(bytes.str(), in);
    const std::u16string wide = cv::Utf8ToUtf16(text);
    const cv::Size size = font->getTextSize(wide);
    constexpr int kMargin = 2;
    auto surface = cv::MakeRef<cv::ISurfaceSoft>(std::max(size.width, 1) + 2 * kMargin,
                                                 std::max(size.height, 1) + 2 * kMargin, 24);
    cv::Ref<cv::IPainter> painter = cv::createSoftPainter(surface);
    painter->setColor(0xFFFFFF);
    painter->fillRect({0, 0, surface->getSize().width, surface->getSize().height});
    painter->setColor(0);
    font->drawText(*painter, {kMargin, kMargin}, wide);
    const cv::SurfaceDesc d = surface->describe();
    std::vector<uint8_t> rgb(static_cast<size_t>(d.width) * d.height * 3);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = d.row0[i + 2], rgb[i + 1] = d.row0[i + 1], rgb[i + 2] = d.row0[i];
    }
    std::string error;
    if (!cv::platform::WritePng(out, d.width, d.height, false, rgb, error)) return Fail(error);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return cv::tool::RunTool(argc, argv, kUsage, [](const cv::tool::Arguments& args) {
        if (args.size() == 7 && args[0] == "build" && args[2] == "--size" && args[4] == "--chars") {
            return Build(args[1], args[3], args[5], args[6]);
        }
        if (args.size() == 4 && args[0] == "render") return Render(args[1], args[2], args[3]);
        throw cv::tool::UsageError{};
    });
}
