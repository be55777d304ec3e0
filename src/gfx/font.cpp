#include "gfx/font.h"

#include <cctype>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/resource_groups.h"
#include "gfx/painter.h"

namespace cv {
namespace {

constexpr size_t kHeaderStart = 64;
constexpr size_t kGlyphEntrySize = 7;

int16_t I16(ByteReader& in) {
    return static_cast<int16_t>(in.U16());
}

size_t RowBytes(int width) {
    return (static_cast<size_t>(width) + 7) / 8;
}

}  // namespace

Font::Font(std::string bytes, const std::string& name) : bytes_(std::move(bytes)) {
    const std::string failure = "Invalid font format in " + name;
    ByteReader in(bytes_, failure);
    in.Skip(kHeaderStart + 4 + 4 + 2);
    const int count = in.U16();
    spacing_ = I16(in);
    missingAdvance_ = I16(in);
    height_ = I16(in);
    widest_ = I16(in);
    in.Skip(2);
    in.Skip(in.U32());
    if (height_ < 0 || widest_ < 0) in.Fail();
    in.Need(count * kGlyphEntrySize);
    for (int i = 0; i < count; ++i) {
        const char16_t code = in.U16();
        const int width = in.U8();
        const uint32_t offset = in.U32();
        // The bitmap must lie inside the file and the glyph in the drawing buffer.
        const size_t bitmapBytes = RowBytes(width) * height_;
        if (width > widest_ || offset > bytes_.size() || bitmapBytes > bytes_.size() - offset) {
            in.Fail();
        }
        glyphs_[code] = Glyph{width, offset, {}, false};
    }
}

const Font::Glyph* Font::Find(char16_t ch) const {
    auto it = glyphs_.find(ch);
    return it == glyphs_.end() ? nullptr : &it->second;
}

int Font::getCharWidth(char16_t ch) const {
    const Glyph* glyph = Find(ch);
    return glyph ? glyph->width + spacing_ : missingAdvance_;
}

Size Font::getTextSize(const std::u16string& text) const {
    int width = 0;
    for (char16_t ch : text) width += getCharWidth(ch);
    return {width, height_};
}

// Glyphs of a well-formed font do not share bitmap bits, so together they keep at
// most a point for each bit of the file; a glyph beyond that, in a file whose
// glyphs share their bitmaps, is read afresh each time, so that such a file
// cannot make the font keep more.
const std::vector<PaintPoint>& Font::Ink(const Glyph& glyph) const {
    if (glyph.inked) return glyph.ink;
    std::vector<PaintPoint> ink;
    const auto* bits = reinterpret_cast<const uint8_t*>(bytes_.data()) + glyph.offset;
    for (int r = 0; r < height_; ++r, bits += RowBytes(glyph.width)) {
        for (int c = 0; c < glyph.width; ++c) {
            if (bits[c / 8] & (0x80 >> (c % 8))) ink.push_back({c, r, 0});
        }
    }
    if (keptInk_ + ink.size() > bytes_.size() * 8) {
        unkeptInk_ = std::move(ink);
        return unkeptInk_;
    }
    keptInk_ += ink.size();
    glyph.ink = std::move(ink);
    glyph.inked = true;
    return glyph.ink;
}

void Font::drawText(IPainter& painter, Point position, const std::u16string& text) const {
    int x = position.x;
    for (char16_t ch : text) {
        const Glyph* glyph = Find(ch);
        if (!glyph) {
            x += missingAdvance_;
            continue;
        }
        const std::vector<PaintPoint>& ink = Ink(*glyph);
        points_.resize(ink.size());
        for (size_t i = 0; i < ink.size(); ++i) {
            points_[i] = {x + ink[i].x, position.y + ink[i].y, 0};
        }
        painter.drawPoints(static_cast<int>(points_.size()), points_.data(), kPointsInCurrent);
        x += spacing_ + glyph->width;
    }
}

Ref<Font> loadFont(const std::string& fileName) {
    const size_t dot = fileName.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : fileName.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension != "FNM") FatalError("Unknown font type: %s", fileName.c_str());
    Ref<Stream> stream = OpenResourceOrFail(fileName);
    const std::string name = stream->Name();
    return MakeRef<Font>(ReadAll(*stream), name);
}

}  // namespace cv
