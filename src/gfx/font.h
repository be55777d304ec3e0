#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "core/ref_counted.h"
#include "gfx/geometry.h"
#include "gfx/painter.h"

namespace cv {

// A bitmap font read from a ".fnm" file: one-bit glyphs of a common height.
class Font : public RefCounted {
public:
    // `bytes` is the whole file. A glyph table or bitmap outside the file, or
    // a glyph wider than the widest the header gives, fails with "Invalid
    // font format in <name>".
    Font(std::string bytes, const std::string& name);

    // Width: each character's glyph width plus spacing, or the advance of a
    // character without glyph; height: the font's.
    virtual Size getTextSize(const std::u16string& text) const;
    // In the painter's current colour, one drawPoints call per glyph.
    virtual void drawText(IPainter& painter, Point position, const std::u16string& text) const;
    virtual int getCharWidth(char16_t ch) const;
    virtual int getHeight() const { return height_; }

    // False for a character the font draws as a gap of the missing advance.
    bool hasGlyph(char16_t ch) const { return Find(ch) != nullptr; }
    int spacing() const { return spacing_; }
    int missingAdvance() const { return missingAdvance_; }
    int widest() const { return widest_; }

private:
    struct Glyph {
        int width;
        uint32_t offset;  // of the bitmap, from the start of the file
        // The set bits as points from the top-left corner, read from the
        // bitmap the first time the glyph is drawn.
        mutable std::vector<PaintPoint> ink;
        mutable bool inked = false;
    };
    const Glyph* Find(char16_t ch) const;
    const std::vector<PaintPoint>& Ink(const Glyph& glyph) const;

    std::string bytes_;
    int spacing_ = 0, missingAdvance_ = 0, height_ = 0, widest_ = 0;
    std::unordered_map<char16_t, Glyph> glyphs_;
    mutable size_t keptInk_ = 0;                 // points all glyphs keep
    mutable std::vector<PaintPoint> unkeptInk_;  // of a glyph beyond them
    mutable std::vector<PaintPoint> points_;     // one glyph's, where it is drawn
};

// Reads a font file through the resources. The extension must be "fnm" in
// any letter case, else "Unknown font type: %s".
Ref<Font> loadFont(const std::string& fileName);

}  // namespace cv
