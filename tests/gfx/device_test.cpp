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
        platform::SetCurrent(&host);
    }
    void TearDown() override {
        platform::SetCurrent(nullptr);
        DeviceScreen() = saved;
    }
    ScreenSize saved;
    platform::HeadlessPlatform host{"", nullptr};
};

TEST_F(Device, RegistersItselfOwnsTheScreenAndPresentsOnlyWhileActive) {
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
        // Where the frame lands is the headless shot's business.
        AppWindow app;
        for (bool active : {false, true}) {
            app.SetActive(active);
            RenderFrame([](IPainter&) {});
            EXPECT_EQ(host.frame().empty(), !active);
        }
        CurrentGraphicsDriver()->Close();
        EXPECT_FALSE(device->getScreenSurface());
        EXPECT_EQ(device->getScreenSize(), (Size{}));
    }
    EXPECT_EQ(GraphicsDevice(), nullptr);
    EXPECT_EQ(CurrentGraphicsDriver(), nullptr);
}

}  // namespace
}  // namespace cv
