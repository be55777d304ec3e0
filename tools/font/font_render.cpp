#include "font_render.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>

#include "core/byte_io.h"

namespace cv::tools {
namespace {

struct Glyph {
    char16_t code;
    int width;
    std::vector<uint8_t> bits;  // rows of (width + 7) / 8 bytes, high bit first
};

struct FaceMetrics {
    int ascent;
    int height;
};

using Library = std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)>;
using Face = std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)>;

int RoundedPixels(FT_Pos value) {
    return static_cast<int>((value + 32) >> 6);
}

// The glyph box: the advance wide (wider when ink reaches past it), the
// font's height high, with the baseline `ascent` rows down.
Glyph RenderGlyph(FT_Face face, char16_t code, const FaceMetrics& m) {
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = std::max(slot->bitmap_left, 0);
    const int width = std::min(
        255, std::max<int>(RoundedPixels(slot->advance.x), left + static_cast<int>(bitmap.width)));
    const int rowBytes = (width + 7) / 8;
    Glyph glyph{code, width, std::vector<uint8_t>(static_cast<size_t>(rowBytes) * m.height)};
    for (int r = 0; r < static_cast<int>(bitmap.rows); ++r) {
        const int y = m.ascent - slot->bitmap_top + r;
        if (y < 0 || y >= m.height) continue;
        const uint8_t* src = bitmap.buffer + static_cast<ptrdiff_t>(r) * bitmap.pitch;
        for (int c = 0; c < static_cast<int>(bitmap.width); ++c) {
            const int x = left + c;
            if (x >= width || !(src[c / 8] & (0x80 >> (c % 8)))) continue;
            glyph.bits[static_cast<size_t>(y) * rowBytes + x / 8] |=
                static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    return glyph;
}

bool LoadMono(FT_Face face, char16_t code) {
    return FT_Get_Char_Index(face, code) != 0 &&
           FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) == 0 &&
           face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
}

std::vector<uint8_t> Layout(const std::vector<Glyph>& glyphs, const FaceMetrics& m,
                            int missingAdvance) {
    int widest = 0;
    for (const Glyph& g : glyphs) widest = std::max(widest, g.width);
    ByteWriter out;
    for (int i = 0; i < 64; ++i) out.U8(0);
    out.U32(0);
    out.U32(0);
    out.U16(0);
    out.U16(static_cast<uint16_t>(glyphs.size()));
    out.U16(0);  // spacing: the advance already holds the side bearings
    out.U16(static_cast<uint16_t>(missingAdvance));
    out.U16(static_cast<uint16_t>(m.height));
    out.U16(static_cast<uint16_t>(widest));
    out.U16(0);
    out.U32(0);  // the glyph table follows at once
    uint32_t offset = static_cast<uint32_t>(out.size() + glyphs.size() * 7);
    for (const Glyph& g : glyphs) {
        out.U16(g.code);
        out.U8(static_cast<uint8_t>(g.width));
        out.U32(offset);
        offset += static_cast<uint32_t>(g.bits.size());
    }
    for (const Glyph& g : glyphs) out.Bytes(g.bits.data(), g.bits.size());
    return std::move(out.bytes());
}

}  // namespace

bool RenderFnm(const std::string& fontPath, int pixelSize, const std::vector<char16_t>& chars,
               std::vector<uint8_t>& fnm, std::string& error) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    Library library(rawLibrary, FT_Done_FreeType);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), fontPath.c_str(), 0, &rawFace) != 0) {
        error = "cannot read the font file " + fontPath;
        return false;
    }
    Face face(rawFace, FT_Done_Face);
    if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        error = fontPath + " has no size of " + std::to_string(pixelSize) + " pixels";
        return false;
    }
    const FT_Size_Metrics& sm = face->size->metrics;
    const int ascent = static_cast<int>((sm.ascender + 63) >> 6);
    const FaceMetrics metrics{ascent, std::max(1, ascent - static_cast<int>(sm.descender >> 6))};
    std::vector<Glyph> glyphs;
    for (char16_t code : chars) {
        if (LoadMono(face.get(), code)) glyphs.push_back(RenderGlyph(face.get(), code, metrics));
    }
    if (glyphs.empty()) {
        error = fontPath + " has none of the characters asked for";
        return false;
    }
    const int missingAdvance =
        LoadMono(face.get(), u' ') ? RoundedPixels(face->glyph->advance.x) : pixelSize / 2;
    fnm = Layout(glyphs, metrics, missingAdvance);
    return true;
}

}  // namespace cv::tools
