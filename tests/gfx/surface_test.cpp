#include <gtest/gtest.h>

#include "core/fatal_error.h"
#include "gfx/painter.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx/surface_turn.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::PixelAt;
using test::SetPixelAt;

TEST(PixelFormats, ColoursTurnIntoPixelsAndBack) {
    struct Case {
        int bits;
        uint32_t rgb, pixel, back;
    };
    for (Case c :
         {Case{15, 0xFF123456, 0x8000 | 2 << 10 | 6 << 5 | 10, 0xFF103050},
          Case{15, 0x00000000, 0x8000, 0xFF000000}, Case{16, 0x00F80008, 0xF801, 0xFFF80008},
          Case{16, 0x0000FC00, 0x07E0, 0xFF00FC00}, Case{24, 0x00123456, 0x123456, 0x123456}}) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits " << std::hex << c.rgb);
        Ref<IPainter> p = createSoftPainter(MakeRef<ISurfaceSoft>(1, 1, c.bits));
        EXPECT_EQ(p->rgbToPixel(c.rgb), c.pixel);
        EXPECT_EQ(p->pixelToRgb(c.pixel), c.back);
        // The two setters keep colour and pixel in step.
        p->setColor(c.rgb);
        EXPECT_EQ(p->pixelColor(), c.pixel);
        p->setPixelColor(c.pixel);
        EXPECT_EQ(p->color(), c.back);
    }
}

TEST(SurfaceDib, RowsRunBottomUpBehindTheHeader) {
    // Three pixels a row, padded to whole 4 bytes.
    for (auto [bits, stride] :
         {std::pair{15, 8}, std::pair{16, 8}, std::pair{24, 12}, std::pair{32, 12}}) {
        SCOPED_TRACE(bits);
        auto dib = MakeRef<ISurfaceDIB>(3, 5, bits);
        const SurfaceDesc d = dib->describe();
        EXPECT_EQ(d.pitch, -stride);
        // Row 0 is the last row in memory.
        EXPECT_EQ(d.row0, dib->header() + dib->headerSize() + 4 * stride);
        EXPECT_EQ(d.bytesPerPixel, (bits + 7) / 8);
    }
    EXPECT_EQ(ErrorOf([] { MakeRef<ISurfaceDIB>(3, 3, 8); }),
              "DIB surface init: Invalid color format (8 bit/pixel)");
}

TEST(ReadSurface, ClipsToTheSourceForBothKinds) {
    for (Ref<ISurface> source : {Ref<ISurface>(MakeRef<ISurfaceSoft>(20, 15, 16)),
                                 Ref<ISurface>(MakeRef<ISurfaceDIB>(20, 15, 16))}) {
        const SurfaceDesc d = source->describe();
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 20; ++x) SetPixelAt(d, x, y, uint32_t(y * 100 + x));
        }
        // Across the top-left and the bottom-right corners, and wholly inside.
        for (Point origin : {Point{-5, -5}, Point{15, 12}, Point{3, 4}}) {
            SCOPED_TRACE(testing::Message() << origin.x << "," << origin.y);
            auto target = MakeRef<ISurfaceSoft>(10, 10, 16);
            const SurfaceDesc t = target->describe();
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) SetPixelAt(t, x, y, 0xEEEE);
            }
            source->readSurface(origin, *target);
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) {
                    const int sx = origin.x + x, sy = origin.y + y;
                    const bool inside = sx >= 0 && sy >= 0 && sx < 20 && sy < 15;
                    ASSERT_EQ(PixelAt(t, x, y), inside ? uint32_t(sy * 100 + sx) : 0xEEEEu)
                        << x << "," << y;
                }
            }
        }
        Ref<ISurface> part = source->readRect({3, 4, 2, 2});
        EXPECT_EQ(part->getSize(), (Size{2, 2}));
        EXPECT_EQ(PixelAt(part->describe(), 1, 1), 504u);
    }
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
    EXPECT_EQ(ErrorOf([&] { dib->readSurface({}, *soft15); }), "no error");
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

TEST(TurnSurface180, SwapsOppositePixelsAndTwiceRestores) {
    for (int bits : {16, 24, 32}) {
        for (Size size : {Size{5, 4}, Size{4, 5}, Size{3, 1}, Size{1, 1}, Size{6, 7}}) {
            SCOPED_TRACE(testing::Message()
                         << bits << " bits " << size.width << "x" << size.height);
            Ref<ISurface> original = Distinct(size.width, size.height, bits);
            Ref<ISurface> turned = Distinct(size.width, size.height, bits);
            const SurfaceDesc a = original->describe(), b = turned->describe();
            for (bool once : {true, false}) {
                TurnSurface180(*turned);
                for (int y = 0; y < size.height; ++y) {
                    for (int x = 0; x < size.width; ++x) {
                        const int ox = once ? size.width - 1 - x : x;
                        const int oy = once ? size.height - 1 - y : y;
                        ASSERT_EQ(PixelAt(b, x, y), PixelAt(a, ox, oy)) << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace cv
