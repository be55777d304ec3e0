#pragma once

#include <functional>
#include <string>

#include "core/ref_counted.h"
#include "gfx/geometry.h"
#include "gfx/painter.h"
#include "gfx/surface.h"

namespace cv {

class Sprite;

// Owns the screen surface and makes surfaces, painters and sprites.
class IGraphicsDevice : public RefCounted {
public:
    virtual std::string getName() const = 0;
    virtual void init() = 0;
    virtual void shutdown() = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
    virtual void beginFrame() = 0;
    virtual void endFrame() = 0;
    // The logical (landscape) size: the screen surface turned.
    virtual Size getScreenSize() const = 0;
    virtual int getBitsPerPixel() const = 0;
    // Null before init and after shutdown.
    virtual Ref<ISurface> getScreenSurface() = 0;
    virtual void present() = 0;
    // A plain surface; 0 bits per pixel means those of the screen.
    virtual Ref<ISurface> createSurface(Size size, int bitsPerPixel) = 0;
    virtual Ref<IPainter> createPainter(Ref<ISurface> surface) = 0;
    virtual Ref<Sprite> createSprite() = 0;
};

// The one device, registered by its constructor; null when there is none.
IGraphicsDevice* GraphicsDevice();
void SetGraphicsDevice(IGraphicsDevice* device);

// The painter of the frame being rendered (text drawing and forms use it);
// null outside a frame.
IPainter* CurrentPainter();

// One frame: a screen painter becomes current, `paint` draws the whole frame
// with it, then the frame is finished (turned under FlipScreen) and presented.
// Does nothing without a device or a screen surface.
void RenderFrame(const std::function<void(IPainter&)>& paint);

}  // namespace cv
