#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cv::tools {

// Renders the characters with FreeType at `pixelSize` into one-bit glyphs and
// lays them out as a ".fnm" file. Every glyph is as high as the font's
// ascent plus descent and as wide as its advance. False with `error` set when
// the font cannot be read or has none of the characters.
bool RenderFnm(const std::string& fontPath, int pixelSize, const std::vector<char16_t>& chars,
               std::vector<uint8_t>& fnm, std::string& error);

}  // namespace cv::tools
