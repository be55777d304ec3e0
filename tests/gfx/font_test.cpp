#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "gfx/font.h"
#include "gfx/font_registry.h"
#include "gfx/soft_painters.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

struct GlyphSpec {
    char16_t code;
    int width;
    std::vector<std::string> rows;  // '#' is ink
};

struct FontSpec {
    int spacing = 1, missing = 5, height = 3, widest = 10;
    uint32_t gap = 0;  // bytes between the header and the glyph table
    std::vector<GlyphSpec> glyphs;
};

std::string FnmOf(const FontSpec& f) {
    ByteWriter out;
    for (int i = 0; i < 64; ++i) out.U8(0xEE);  // never read
    out.U32(1), out.U32(2), out.U16(3);
    out.U16(uint16_t(f.glyphs.size()));
    for (int v : {f.spacing, f.missing, f.height, f.widest, 0}) out.U16(uint16_t(v));
    out.U32(f.gap);
    for (uint32_t i = 0; i < f.gap; ++i) out.U8(0);
    uint32_t offset = uint32_t(out.size() + 7 * f.glyphs.size());
    std::vector<uint8_t> bitmaps;
    for (const GlyphSpec& g : f.glyphs) {
        out.U16(g.code), out.U8(uint8_t(g.width)), out.U32(offset);
        for (const std::string& row : g.rows) {
            std::vector<uint8_t> bytes((g.width + 7) / 8);
            for (size_t c = 0; c < row.size(); ++c) {
                if (row[c] == '#') bytes[c / 8] |= uint8_t(0x80 >> (c % 8));
            }
            bitmaps.insert(bitmaps.end(), bytes.begin(), bytes.end());
            offset += uint32_t(bytes.size());
        }
    }
    out.Bytes(bitmaps.data(), bitmaps.size());
    return std::string(out.bytes().begin(), out.bytes().end());
}

const FontSpec kFont{.gap = 4,
                     .glyphs = {{u'A', 3, {".#.", "###", "#.#"}},
                                {u'I', 1, {"#", "#", "#"}},
                                {u'W', 9, {"#.......#", "#...#...#", ".###.###."}}}};

using test::Inked;
using Cells = std::set<std::pair<int, int>>;

// Counts the drawPoints calls on its way to a soft painter.
class CountingPainter : public SoftPainter16 {
public:
    void drawPoints(int count, const PaintPoint* points, int mode) override {
        ++calls;
        SoftPainter16::drawPoints(count, points, mode);
    }
    int calls = 0;
};

TEST(Font, MeasuresAndDrawsGlyphsAsPoints) {
    Ref<Font> font = MakeRef<Font>(FnmOf(kFont), "test.fnm");
    EXPECT_EQ(font->getCharWidth(u'A'), 4);
    EXPECT_EQ(font->getCharWidth(u'?'), 5);
    EXPECT_EQ(font->getTextSize(u"AI"), (Size{6, 3}));

    auto surface = MakeRef<ISurfaceSoft>(30, 6, 16);
    Ref<CountingPainter> painter = MakeRef<CountingPainter>();
    painter->attach(surface);
    painter->setColor(0xFFFFFF);
    font->drawText(*painter, {1, 2}, u"A?I");
    EXPECT_EQ(painter->calls, 2);  // one call per glyph, none for the missing one
    EXPECT_EQ(Inked(*surface),
              (Cells{{2, 2}, {1, 3}, {2, 3}, {3, 3}, {1, 4}, {3, 4}, {10, 2}, {10, 3}, {10, 4}}));
    // Glyphs wider than a byte and clipped at the surface's edge.
    auto wide = MakeRef<ISurfaceSoft>(6, 3, 16);
    Ref<IPainter> p = createSoftPainter(wide);
    p->setColor(0xFFFFFF);
    p->setFont(font);
    p->drawText({-4, 0}, u"W");
    EXPECT_EQ(Inked(*wide), (Cells{{4, 0}, {0, 1}, {4, 1}, {1, 2}, {2, 2}, {3, 2}}));
}

// However much of its glyphs' ink a font keeps, glyphs that share one bitmap
// all draw it: here b, c and d are made to point at a's 255 x 3 bitmap of ink.
TEST(Font, GlyphsSharingABitmapAllDrawIt) {
    const std::string ink(255, '#');
    FontSpec spec{.widest = 255, .glyphs = {{u'a', 255, {ink, ink, ink}}}};
    for (char16_t code : {u'b', u'c', u'd'}) spec.glyphs.push_back({code, 1, {".", ".", "."}});
    std::string bytes = FnmOf(spec);
    const size_t table = 90;
    for (size_t glyph = 1; glyph < 4; ++glyph) {
        bytes[table + 7 * glyph + 2] = char(255);
        bytes.replace(table + 7 * glyph + 3, 4, bytes, table + 3, 4);
    }
    Ref<Font> font = MakeRef<Font>(bytes, "shared.fnm");
    auto surface = MakeRef<ISurfaceSoft>(1024, 3, 16);
    Ref<IPainter> painter = createSoftPainter(surface);
    painter->setColor(0xFFFFFF);
    // Drawn twice, one column apart: the second time from what was kept.
    for (int pass = 0; pass < 2; ++pass) font->drawText(*painter, {pass, 0}, u"abcd");
    EXPECT_EQ(Inked(*surface).size(), 4u * 256 * 3);
}

std::string FontError(const std::string& bytes) {
    return test::ErrorOf([&] { MakeRef<Font>(bytes, "Fonts\\bad.fnm"); });
}

TEST(Font, RefusesTablesAndBitmapsOutsideTheFile) {
    const std::string message = "Invalid font format in Fonts\\bad.fnm";
    const std::string good = FnmOf(kFont);
    EXPECT_EQ(FontError(good), "no error");
    EXPECT_EQ(FontError(good.substr(0, 80)), message);               // header cut short
    EXPECT_EQ(FontError(good.substr(0, 100)), message);              // table cut short
    EXPECT_EQ(FontError(good.substr(0, good.size() - 1)), message);  // last bitmap cut short
    std::string farTable = good;
    farTable[86] = char(0xFF);  // skip far past the end
    EXPECT_EQ(FontError(farTable), message);
    std::string farBitmap = good;
    const size_t firstEntry = 90 + 4;
    farBitmap[firstEntry + 3] = char(0xF0), farBitmap[firstEntry + 6] = char(0x7F);
    EXPECT_EQ(FontError(farBitmap), message);
    // "W" is 9 wide; 400 rows are more than the bitmaps hold.
    for (auto [widest, height] : {std::pair{8, 3}, std::pair{10, 400}, std::pair{10, -1}}) {
        FontSpec bad = kFont;
        bad.widest = widest, bad.height = height;
        EXPECT_EQ(FontError(FnmOf(bad)), message) << widest << " " << height;
    }
    // Huge sizes without glyphs to back them are harmless: nothing is sized by them.
    FontSpec empty{0, 4, 32767, 32767, 0, {}};
    Ref<Font> font = MakeRef<Font>(FnmOf(empty), "empty");
    Ref<IPainter> painter = createSoftPainter(MakeRef<ISurfaceSoft>(4, 4, 16));
    font->drawText(*painter, {0, 0}, u"abc");
    EXPECT_EQ(font->getTextSize(u"abc"), (Size{12, 32767}));
}

TEST(Font, LoadsOnlyFnmFilesThroughTheResources) {
    test::ResourceFolder folder;
    folder.Write("Fonts/arial.fnm", FnmOf(kFont));
    folder.Write("Fonts/small.FnM", FnmOf(kFont));
    EXPECT_EQ(loadFont("Fonts\\arial.fnm")->getHeight(), 3);
    EXPECT_EQ(loadFont("Fonts\\small.FnM")->getHeight(), 3) << "letter case of the extension";
    for (std::string name : {"Fonts\\arial.ttf", "Fonts\\arial"}) {
        EXPECT_EQ(test::ErrorOf([&] { loadFont(name); }), "Unknown font type: " + name);
    }
}

TEST(DrawTextIn, JustifiesWithinTheRectangle) {
    for (auto [justification, at] : {std::pair{"LT", Point{10, 20}}, std::pair{"CC", Point{45, 34}},
                                     std::pair{"RB", Point{79, 47}}}) {
        EXPECT_EQ(JustifiedPosition({30, 12}, {10, 20, 100, 40}, justification), at);
    }
    EXPECT_EQ(JustifiedPosition({31, 13}, {0, 0, 11, 11}, "CC"), (Point{-10, -1}));
    // With a font but outside a frame there is no painter to draw with.
    ResetFonts();
    RegisterFont("Default", MakeRef<Font>(FnmOf(kFont), "default"));
    drawTextIn(u"I", {0, 0, 20, 10}, "RB", nullptr);
    ResetFonts();
}

}  // namespace
}  // namespace cv
