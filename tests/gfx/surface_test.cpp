#include <gtest/gtest.h>

#include <vector>

#include "core/fatal_error.h"
#include "gfx/painter.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx/surface_turn.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::Get16;
using test::Put16;

uint32_t Le32(const uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

TEST(PixelFormats, ColoursTurnIntoPixelsAndBack) {
    Ref<IPainter> p15 = createSoftPainter(MakeRef<ISurfaceSoft>(1, 1, 15));
    Ref<IPainter> p16 = createSoftPainter(MakeRef<ISurfaceSoft>(1, 1, 16));
    Ref<IPainter> p24 = createSoftPainter(MakeRef<ISurfaceSoft>(1, 1, 24));
    EXPECT_EQ(p15->rgbToPixel(0x00FFFFFF), 0xFFFFu);
    EXPECT_EQ(p15->rgbToPixel(0x00000000), 0x8000u);
    EXPECT_EQ(p15->rgbToPixel(0xFF123456), p15->rgbToPixel(0x00123456));  // top byte ignored
    EXPECT_EQ(p15->rgbToPixel(0x00F80000), 0xFC00u);
    EXPECT_EQ(p15->pixelToRgb(0xFFFF), 0xFFF8F8F8u);
    EXPECT_EQ(p15->pixelToRgb(0x03E0), 0xFF00F800u);
    EXPECT_EQ(p16->rgbToPixel(0x00FFFFFF), 0xFFFFu);
    EXPECT_EQ(p16->rgbToPixel(0x0000FC00), 0x07E0u);
    EXPECT_EQ(p16->rgbToPixel(0x00F80008), 0xF801u);
    EXPECT_EQ(p16->pixelToRgb(0xFFFF), 0xFFF8FCF8u);
    EXPECT_EQ(p16->pixelToRgb(0x001F), 0xFF0000F8u);
    EXPECT_EQ(p24->rgbToPixel(0x00123456), 0x123456u);
    EXPECT_EQ(p24->pixelToRgb(0x123456), 0x123456u);
    // The two setters keep colour and pixel in step.
    p16->setColor(0x00FF8040);
    EXPECT_EQ(p16->pixelColor(), 0xFC08u);
    p16->setPixelColor(0x07E0);
    EXPECT_EQ(p16->color(), 0xFF00FC00u);
}

TEST(SurfaceDib, HeaderStrideAndNegativePitch) {
    struct Case {
        int bits, stride, headerSize, compression, red, green, blue;
    };
    for (Case c : {Case{15, 8, 52, 3, 0x7C00, 0x3E0, 0x1F}, Case{16, 8, 52, 3, 0xF800, 0x7E0, 0x1F},
                   Case{24, 12, 40, 0, 0, 0, 0}, Case{32, 12, 52, 3, 0xFF0000, 0xFF00, 0xFF}}) {
        SCOPED_TRACE(c.bits);
        auto dib = MakeRef<ISurfaceDIB>(3, 5, c.bits);
        const uint8_t* h = dib->header();
        EXPECT_EQ(dib->headerSize(), c.headerSize);
        EXPECT_EQ(Le32(h), 40u);
        EXPECT_EQ(Le32(h + 4), 3u);
        EXPECT_EQ(Le32(h + 8), 5u);
        EXPECT_EQ(h[12] | h[13] << 8, 1);
        EXPECT_EQ(h[14] | h[15] << 8, c.bits == 15 ? 16 : c.bits);
        EXPECT_EQ(Le32(h + 16), uint32_t(c.compression));
        for (int i = 20; i < 40; ++i) EXPECT_EQ(h[i], 0) << i;
        if (c.headerSize == 52) {
            EXPECT_EQ(Le32(h + 40), uint32_t(c.red));
            EXPECT_EQ(Le32(h + 44), uint32_t(c.green));
            EXPECT_EQ(Le32(h + 48), uint32_t(c.blue));
        }
        const SurfaceDesc d = dib->describe();
        EXPECT_EQ(d.pitch, -c.stride);
        EXPECT_EQ(dib->pitch(), -c.stride);
        // Row 0 is the last row in memory, right behind the header.
        EXPECT_EQ(d.row0, dib->header() + c.headerSize + 4 * c.stride);
        EXPECT_EQ(d.bytesPerPixel, (c.bits + 7) / 8);
    }
    EXPECT_EQ(ErrorOf([] { MakeRef<ISurfaceDIB>(3, 3, 8); }),
              "DIB surface init: Invalid color format (8 bit/pixel)");
}

TEST(SurfaceSoft, PackedRowsAndResizing) {
    auto soft = MakeRef<ISurfaceSoft>(3, 2, 24);
    SurfaceDesc d = soft->describe();
    EXPECT_EQ(d.pitch, 9);
    EXPECT_EQ(d.bytesPerPixel, 3);
    d.row0[0] = 7;
    soft->resize(6, 1, 24);  // same bytes: the buffer and its contents stay
    EXPECT_EQ(soft->describe().row0[0], 7);
    EXPECT_EQ(soft->getSize(), (Size{6, 1}));
    soft->resize(2, 2, 16);
    EXPECT_EQ(soft->getBitsPerPixel(), 16);
    EXPECT_EQ(soft->describe().pitch, 4);
    EXPECT_EQ(soft->describe().row0[0], 0);
}

// A w x h surface whose pixel (x, y) holds y * 100 + x.
template <class S>
Ref<ISurface> Numbered(int w, int h) {
    Ref<ISurface> s = MakeRef<S>(w, h, 16);
    const SurfaceDesc d = s->describe();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) Put16(d, x, y, uint16_t(y * 100 + x));
    }
    return s;
}

template <class S>
void CheckReadSurfaceClipping() {
    Ref<ISurface> source = Numbered<S>(20, 15);
    auto target = MakeRef<ISurfaceSoft>(10, 10, 16);
    const SurfaceDesc t = target->describe();
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) Put16(t, x, y, 0xEEEE);
    }
    source->readSurface({-5, -5}, *target);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const uint16_t expected = x >= 5 && y >= 5 ? uint16_t((y - 5) * 100 + x - 5) : 0xEEEE;
            ASSERT_EQ(Get16(t, x, y), expected) << x << "," << y;
        }
    }
    // The right and bottom edges cut too.
    source->readSurface({15, 12}, *target);
    EXPECT_EQ(Get16(t, 4, 2), 1419);
    EXPECT_EQ(Get16(t, 0, 0), 1215);
    EXPECT_EQ(Get16(t, 5, 2), 0xEEEE);  // past the source's right edge
    EXPECT_EQ(Get16(t, 4, 3), 0xEEEE);  // below its bottom
    // Wholly outside: nothing changes.
    auto untouched = MakeRef<ISurfaceSoft>(4, 4, 16);
    for (Point origin : {Point{-4, 0}, Point{20, 0}, Point{0, -4}, Point{0, 15}}) {
        source->readSurface(origin, *untouched);
        const SurfaceDesc u = untouched->describe();
        for (int i = 0; i < 16; ++i) ASSERT_EQ(Get16(u, i % 4, i / 4), 0);
    }
    Ref<ISurface> part = source->readRect({3, 4, 2, 2});
    EXPECT_EQ(part->getSize(), (Size{2, 2}));
    EXPECT_EQ(Get16(part->describe(), 1, 1), 504);
}

TEST(ReadSurface, ClipsToTheSourceForBothKinds) {
    CheckReadSurfaceClipping<ISurfaceSoft>();
    CheckReadSurfaceClipping<ISurfaceDIB>();
}

TEST(ReadSurface, RefusesAnotherPixelSize) {
    auto dib = MakeRef<ISurfaceDIB>(4, 4, 16);
    auto soft16 = MakeRef<ISurfaceSoft>(4, 4, 16);
    auto soft24 = MakeRef<ISurfaceSoft>(4, 4, 24);
    auto soft15 = MakeRef<ISurfaceSoft>(4, 4, 15);
    EXPECT_EQ(ErrorOf([&] { dib->readSurface({}, *soft24); }),
              "ISurfaceDIB::readSurface. Invalid dst bit depth (24 bit/pix). Required 16 bit/pix");
    EXPECT_EQ(ErrorOf([&] { soft16->readSurface({}, *soft15); }),
              "ISurfaceSoft::readSurface. Invalid destination depth (15 bit/pix). Required 16 "
              "bit/pix");
    // The bitmap compares bytes per pixel: 15 and 16 bits both take two.
    EXPECT_EQ(ErrorOf([&] { dib->readSurface({}, *soft15); }), "");
}

// A w x h surface of `bits` with distinct bytes everywhere.
Ref<ISurface> Distinct(int w, int h, int bits) {
    Ref<ISurface> s = MakeRef<ISurfaceDIB>(w, h, bits);
    const SurfaceDesc d = s->describe();
    for (int y = 0; y < h; ++y) {
        for (int i = 0; i < w * d.bytesPerPixel; ++i) d.At(0, y)[i] = uint8_t(y * 31 + i * 7 + 1);
    }
    return s;
}

std::vector<uint8_t> Pixel(const SurfaceDesc& d, int x, int y) {
    return std::vector<uint8_t>(d.At(x, y), d.At(x, y) + d.bytesPerPixel);
}

TEST(TurnSurface180, SwapsOppositePixelsAndTwiceRestores) {
    for (int bits : {16, 24, 32}) {
        for (Size size : {Size{5, 4}, Size{4, 5}, Size{3, 1}, Size{1, 1}, Size{6, 7}}) {
            SCOPED_TRACE(testing::Message()
                         << bits << " bits " << size.width << "x" << size.height);
            Ref<ISurface> original = Distinct(size.width, size.height, bits);
            Ref<ISurface> turned = Distinct(size.width, size.height, bits);
            TurnSurface180(*turned);
            const SurfaceDesc a = original->describe(), b = turned->describe();
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) {
                    ASSERT_EQ(Pixel(b, x, y), Pixel(a, size.width - 1 - x, size.height - 1 - y));
                }
            }
            TurnSurface180(*turned);
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) ASSERT_EQ(Pixel(b, x, y), Pixel(a, x, y));
            }
        }
    }
}

}  // namespace
}  // namespace cv
