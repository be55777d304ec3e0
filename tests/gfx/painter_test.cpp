#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "app/app_globals.h"
#include "core/fatal_error.h"
#include "gfx/gdi_device.h"
#include "gfx/painter.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using test::ErrorOf;
using test::Get16;
using test::Get24;
using Cells = std::set<std::pair<int, int>>;

Cells Painted(ISurface& surface) {
    return test::Inked(surface.describe());
}

Cells Block(int x1, int y1, int x2, int y2) {
    Cells cells;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) cells.insert({x, y});
    }
    return cells;
}

TEST(SoftPainter, SpansAndRectanglesAreClipped) {
    auto surface = MakeRef<ISurfaceSoft>(8, 6, 16);
    Ref<IPainter> p = createSoftPainter(surface);
    p->setColor(0xFFFFFF);
    p->fillRect({-3, 4, 5, 10});
    EXPECT_EQ(Painted(*surface), Block(0, 4, 1, 5));
    p->drawHLine(6, 0, 20);
    p->drawVLine(7, -5, 1);
    p->setPixel({8, 0});
    p->setPixel({-1, 3});
    p->drawHLine(3, 2, 2);  // x1 > x2: empty
    Cells expected = Block(0, 4, 1, 5);
    for (auto c : Cells{{6, 0}, {7, 0}, {7, 1}}) expected.insert(c);
    EXPECT_EQ(Painted(*surface), expected);
}

TEST(SoftPainter, ThinRectanglesStayInside) {
    for (Rect r : {Rect{2, 1, 1, 4}, Rect{1, 2, 5, 1}, Rect{1, 1, 4, 3}}) {
        auto surface = MakeRef<ISurfaceSoft>(8, 6, 16);
        Ref<IPainter> p = createSoftPainter(surface);
        p->setColor(0xFFFFFF);
        p->drawRect(r);
        Cells outline = Block(r.x, r.y, r.x + r.width - 1, r.y + r.height - 1);
        if (r.width > 2 && r.height > 2) {
            for (auto c : Block(r.x + 1, r.y + 1, r.x + r.width - 2, r.y + r.height - 2)) {
                outline.erase(c);
            }
        }
        EXPECT_EQ(Painted(*surface), outline);
    }
}

TEST(SoftPainter, PointModes) {
    auto surface = MakeRef<ISurfaceSoft>(4, 1, 24);
    Ref<IPainter> p = createSoftPainter(surface);
    p->setColor(0x0000FF);
    PaintPoint points[] = {{0, 0, 0x112233}, {1, 0, 0x445566}, {9, 0, 0x778899}};
    p->drawPoints(3, points, kPointsInCurrent);
    const SurfaceDesc d = surface->describe();
    EXPECT_EQ(Get24(d, 0, 0), 0x0000FFu);
    EXPECT_EQ(Get24(d, 1, 0), 0x0000FFu);
    p->drawPoints(2, points, kPointsAsColors);
    EXPECT_EQ(Get24(d, 0, 0), 0x112233u);
    EXPECT_EQ(Get24(d, 1, 0), 0x445566u);
    EXPECT_EQ(p->color(), 0x445566u);  // the last value stays current
    PaintPoint pixel[] = {{2, 0, 0xABCDEF}};
    p->drawPoints(1, pixel, kPointsAsPixels);
    EXPECT_EQ(Get24(d, 2, 0), 0xABCDEFu);
    EXPECT_EQ(Get24(d, 3, 0), 0u);
}

TEST(Painters, OnlyKnownDepthsGetOne) {
    EXPECT_EQ(ErrorOf([] { createSoftPainter(MakeRef<ISurfaceSoft>(2, 2, 32)); }),
              "Can't create software painter for surface with 32 bit/pixel");
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
    EXPECT_EQ(ErrorOf([&] { device->createPainter(MakeRef<ISurfaceDIB>(2, 2, 32)); }),
              "Cant create painter for 32 bit/pix");
    EXPECT_EQ(device->createPainter(MakeRef<ISurfaceSoft>(2, 2, 24))->getBitsPerPixel(), 24);
}

// Logical (x, y) on the screen painter is device column y, row height-1-x.
Cells Turned(const Cells& logical, int deviceHeight) {
    Cells device;
    for (auto [x, y] : logical) device.insert({y, deviceHeight - 1 - x});
    return device;
}

TEST(ScreenPainter, TurnsLogicalCoordinatesOntoTheDevice) {
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
    auto surface = MakeRef<ISurfaceDIB>(6, 9, 16);  // logical 9 wide, 6 high
    Ref<IPainter> p = device->createPainter(surface);
    p->setColor(0xFFFFFF);
    p->fillRect({7, -2, 5, 4});  // x 7..8 after clipping, y 0..1
    p->drawHLine(-3, 5, 2);      // x 0..2 on row 5
    p->drawVLine(4, 3, 40);      // y 3..5 in column 4
    p->setPixel({9, 0});         // outside
    p->drawRect({1, 1, 1, 1});
    Cells logical = Block(7, 0, 8, 1);
    for (auto c : Block(0, 5, 2, 5)) logical.insert(c);
    for (auto c : Block(4, 3, 4, 5)) logical.insert(c);
    logical.insert({1, 1});
    EXPECT_EQ(Painted(*surface), Turned(logical, 9));
}

}  // namespace
}  // namespace cv
