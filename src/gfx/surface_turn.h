#pragma once

#include "gfx/surface.h"

namespace cv {

// Turns the surface's contents by 180 degrees in place: pixel (row r, column
// c) trades places with (row h-1-r, column w-1-c). Works for pixels of 1 to 4
// bytes; other sizes are left unchanged.
void TurnSurface180(ISurface& surface);

}  // namespace cv
