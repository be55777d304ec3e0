#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "core/fatal_error.h"
#include "gfx/gdi_device.h"
#include "gfx/painter.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using test::ErrorOf;
using Cells = std::set<std::pair<int, int>>;

Cells Block(int x1, int y1, int x2, int y2) {
    Cells cells;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) cells.insert({x, y});
    }
    return cells;
}

// Logical (x, y) on the screen painter is device column y, row height-1-x.
Cells Turned(const Cells& logical, int deviceHeight) {
    Cells device;
    for (auto [x, y] : logical) device.insert({y, deviceHeight - 1 - x});
    return device;
}

// Each shape is drawn alone on a logical 8 x 6 area: by the soft painter, and
// by the screen painter onto a portrait 6 x 8 bitmap.
TEST(Painters, ClipShapesAndTheScreenPainterTurnsThem) {
    Cells outline = Block(1, 1, 4, 3);
    outline.erase({2, 2}), outline.erase({3, 2});
    const std::vector<std::pair<std::function<void(IPainter&)>, Cells>> cases{
        {[](IPainter& p) {
             p.fillRect({-3, 4, 5, 10});
         },
         Block(0, 4, 1, 5)},
        {[](IPainter& p) {
             p.fillRect({7, -2, 5, 4});
         },
         Block(7, 0, 7, 1)},
        {[](IPainter& p) { p.drawHLine(6, 0, 20); }, Block(6, 0, 7, 0)},
        {[](IPainter& p) { p.drawHLine(-3, 5, 2); }, Block(0, 5, 2, 5)},
        {[](IPainter& p) { p.drawHLine(3, 2, 2); }, {}},  // x1 > x2: nothing
        {[](IPainter& p) { p.drawVLine(7, -5, 1); }, Block(7, 0, 7, 1)},
        {[](IPainter& p) { p.drawVLine(4, 3, 40); }, Block(4, 3, 4, 5)},
        {[](IPainter& p) {
             for (Point point : {Point{8, 0}, Point{-1, 3}, Point{0, 6}, Point{7, 5}})
                 p.setPixel(point);
         },
         {{7, 5}}},
        {[](IPainter& p) {
             const PaintPoint points[] = {{8, 0}, {-1, 3}, {0, 6}, {7, 5}, {0, 0}, {7, -1}};
             p.drawPoints(6, points, kPointsInCurrent);
         },
         {{7, 5}, {0, 0}}},
        {[](IPainter& p) {
             p.drawRect({2, 1, 1, 4});
         },
         Block(2, 1, 2, 4)},
        {[](IPainter& p) {
             p.drawRect({1, 2, 5, 1});
         },
         Block(1, 2, 5, 2)},
        {[](IPainter& p) {
             p.drawRect({1, 1, 1, 1});
         },
         {{1, 1}}},
        {[](IPainter& p) {
             p.drawRect({1, 1, 4, 3});
         },
         outline},
    };
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        auto plain = MakeRef<ISurfaceSoft>(8, 6, 16);
        auto screen = MakeRef<ISurfaceDIB>(6, 8, 16);
        for (Ref<IPainter> p : {createSoftPainter(plain), device->createPainter(screen)}) {
            p->setColor(0xFFFFFF);
            cases[i].first(*p);
        }
        EXPECT_EQ(test::Inked(*plain), cases[i].second);
        EXPECT_EQ(test::Inked(*screen), Turned(cases[i].second, 8));
    }
}

TEST(Painters, PointModes) {
    auto surface = MakeRef<ISurfaceSoft>(4, 1, 24);
    const SurfaceDesc d = surface->describe();
    auto row = [&] {
        return std::vector<uint32_t>{test::PixelAt(d, 0, 0), test::PixelAt(d, 1, 0),
                                     test::PixelAt(d, 2, 0), test::PixelAt(d, 3, 0)};
    };
    Ref<IPainter> p = createSoftPainter(surface);
    p->setColor(0x0000FF);
    PaintPoint points[] = {{0, 0, 0x112233}, {1, 0, 0x445566}, {9, 0, 0x778899}};
    p->drawPoints(3, points, kPointsInCurrent);
    EXPECT_EQ(row(), (std::vector<uint32_t>{0x0000FF, 0x0000FF, 0, 0}));
    p->drawPoints(2, points, kPointsAsColors);
    EXPECT_EQ(p->color(), 0x445566u);  // the last value stays current
    PaintPoint pixel[] = {{2, 0, 0xABCDEF}};
    p->drawPoints(1, pixel, kPointsAsPixels);
    EXPECT_EQ(row(), (std::vector<uint32_t>{0x112233, 0x445566, 0xABCDEF, 0}));
}

TEST(Painters, OnlyKnownDepthsGetOne) {
    EXPECT_EQ(ErrorOf([] { createSoftPainter(MakeRef<ISurfaceSoft>(2, 2, 32)); }),
              "Can't create software painter for surface with 32 bit/pixel");
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
    EXPECT_EQ(ErrorOf([&] { device->createPainter(MakeRef<ISurfaceDIB>(2, 2, 32)); }),
              "Cant create painter for 32 bit/pix");
    EXPECT_EQ(device->createPainter(MakeRef<ISurfaceSoft>(2, 2, 24))->getBitsPerPixel(), 24);
}

}  // namespace
}  // namespace cv
