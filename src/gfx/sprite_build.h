#pragma once

#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace cv {

// The sprite words of a 3-byte (blue, green, red) or 4-byte (blue, green,
// red, alpha) surface in the given build mode. Alpha mode on a 3-byte surface
// becomes opaque, opaque mode on a 4-byte surface alpha; a pixel size the
// mode cannot use fails with "Invalid pixel format for ... sprite (%d bit/pix)".
std::vector<uint16_t> EncodeSprite(const SurfaceDesc& surface, int mode);

}  // namespace cv
