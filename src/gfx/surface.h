#pragma once

#include <cstdint>

#include "core/ref_counted.h"
#include "gfx/geometry.h"

namespace cv {

// How a surface's pixels lie in memory. `row0` is the top row as shown;
// `pitch` is the signed byte step from a row to the one below it.
struct SurfaceDesc {
    uint8_t* row0 = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t pitch = 0;
    int32_t bytesPerPixel = 0;

    uint8_t* At(int x, int y) const {
        return row0 + static_cast<intptr_t>(y) * pitch + static_cast<intptr_t>(x) * bytesPerPixel;
    }
};

// A block of pixels that painters and sprites draw into.
class ISurface : public RefCounted {
public:
    virtual Size getSize() const = 0;
    virtual int getBitsPerPixel() const = 0;
    // Both surface kinds keep their pixels in plain memory: nothing to do.
    virtual void lock() {}
    virtual void unlock() {}
    virtual bool isReady() const { return true; }
    virtual SurfaceDesc describe() = 0;
    // A new plain surface of the rectangle's size holding that part of this one.
    virtual Ref<ISurface> readRect(const Rect& rect);
    // Copies the part of this surface that starts at `origin` and has the
    // destination's size into `destination`; parts outside this surface are
    // left as they were.
    virtual void readSurface(Point origin, ISurface& destination) = 0;
};

// Holds a surface locked while its pixels are touched directly.
class SurfaceLock {
public:
    explicit SurfaceLock(Ref<ISurface> surface)
        : surface_(std::move(surface)), desc_(surface_->describe()) {
        surface_->lock();
    }
    ~SurfaceLock() { surface_->unlock(); }
    SurfaceLock(const SurfaceLock&) = delete;
    SurfaceLock& operator=(const SurfaceLock&) = delete;

    const SurfaceDesc& desc() const { return desc_; }

private:
    Ref<ISurface> surface_;
    SurfaceDesc desc_;
};

// The region copy both surface kinds share once the depths are checked.
void CopySurfaceRegion(const SurfaceDesc& source, Point origin, ISurface& destination);

}  // namespace cv
