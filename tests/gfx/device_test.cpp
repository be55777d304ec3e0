#include <gtest/gtest.h>

#include "app/app_core.h"
#include "app/app_globals.h"
#include "app/graphics_driver.h"
#include "gfx/gdi_device.h"
#include "platform/headless/headless_platform.h"

namespace cv {
namespace {

class Device : public ::testing::Test {
protected:
    void SetUp() override {
        saved = DeviceScreen();
        DeviceScreen() = {240, 320, 16, 0};
        DisplayFlags() = 0;
        platform::SetCurrent(&host);
    }
    void TearDown() override {
        platform::SetCurrent(nullptr);
        DeviceScreen() = saved;
        DisplayFlags() = 0;
    }
    ScreenSize saved;
    platform::HeadlessPlatform host{"", nullptr};
};

TEST_F(Device, RegistersItselfAndOwnsTheScreenSurface) {
    {
        Ref<GdiDevice> device = MakeRef<GdiDevice>();
        EXPECT_EQ(GraphicsDevice(), device.get());
        EXPECT_EQ(CurrentGraphicsDriver(), device.get());
        EXPECT_FALSE(device->getScreenSurface());
        CurrentGraphicsDriver()->Open();
        Ref<ISurface> screen = device->getScreenSurface();
        ASSERT_TRUE(screen);
        EXPECT_EQ(screen->getSize(), (Size{240, 320}));
        EXPECT_EQ(screen->describe().pitch, -480);  // a bottom-up bitmap
        EXPECT_EQ(device->getScreenSize(), (Size{320, 240}));
        EXPECT_EQ(device->createSurface({5, 4}, 0)->getBitsPerPixel(), 16);
        CurrentGraphicsDriver()->Close();
        EXPECT_FALSE(device->getScreenSurface());
        EXPECT_EQ(device->getScreenSize(), (Size{}));
    }
    EXPECT_EQ(GraphicsDevice(), nullptr);
    EXPECT_EQ(CurrentGraphicsDriver(), nullptr);
}

// Paints logical (x, y) red and presents; the platform's frame is upright.
TEST_F(Device, PresentsUprightOnlyWhileActiveAndTurnsUnderFlipScreen) {
    AppWindow app;
    Ref<GdiDevice> device = MakeRef<GdiDevice>();
    device->init();
    auto paintFrame = [&] {
        RenderFrame([](IPainter& p) {
            p.setColor(0);
            p.fillRect({0, 0, 320, 240});
            p.setColor(0xFF0000);
            p.fillRect({10, 20, 3, 2});
        });
    };
    auto red = [&](int x, int y) {
        const uint8_t* rgb = &host.frame()[(size_t(y) * host.frameWidth() + x) * 3];
        return rgb[0] == 0xFF && rgb[1] == 0 && rgb[2] == 0;
    };
    app.SetActive(false);
    paintFrame();
    EXPECT_TRUE(host.frame().empty());
    app.SetActive(true);
    paintFrame();
    ASSERT_EQ(host.frameWidth(), 320);
    ASSERT_EQ(host.frameHeight(), 240);
    EXPECT_TRUE(red(10, 20) && red(12, 21));
    EXPECT_FALSE(red(13, 20) || red(10, 22) || red(9, 20));
    DisplayFlags() = kFlipScreen;
    paintFrame();
    EXPECT_TRUE(red(319 - 10, 239 - 20) && red(319 - 12, 239 - 21));
    EXPECT_FALSE(red(10, 20));
}

}  // namespace
}  // namespace cv
