#pragma once

#include "app/graphics_driver.h"
#include "gfx/graphics_device.h"

namespace cv {

// The device of the game ("WinCE GDI"). The screen surface is a 16-bit DIB of
// the portrait device size; presenting hands it to the platform's window. It
// is also the application shell's graphics driver. Creating it registers it
// as the device and the driver; destroying it clears both.
class GdiDevice : public IGraphicsDevice, public GraphicsDriver {
public:
    GdiDevice();
    ~GdiDevice() override;

    std::string getName() const override { return "WinCE GDI"; }
    void init() override;
    void shutdown() override;
    void suspend() override {}
    void resume() override {}
    void beginFrame() override {}
    // Turns the frame by 180 degrees when FlipScreen is set.
    void endFrame() override;
    Size getScreenSize() const override;
    int getBitsPerPixel() const override;
    Ref<ISurface> getScreenSurface() override { return screen_; }
    // Only while the application is active.
    void present() override;
    Ref<ISurface> createSurface(Size size, int bitsPerPixel) override;
    // "Cant create painter for %d bit/pix" unless the surface has 15, 16 or 24 bits.
    Ref<IPainter> createPainter(Ref<ISurface> surface) override;
    Ref<Sprite> createSprite() override;

    void Open() override { init(); }
    void Close() override { shutdown(); }
    void Suspend() override { suspend(); }
    void Resume() override { resume(); }
    void Present() override { present(); }

private:
    Ref<ISurface> screen_;
};

}  // namespace cv
