#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/geometry.h"
#include "gfx/sprite.h"

namespace cv {

// As Sprite::draw at `at`, but only what falls within `clip` (logical
// coordinates). The screen surface stands upright: logical x runs up its
// rows from the bottom, logical y along its columns.
void DrawWithin(const Sprite& sprite, Point at, const Rect& clip);

// The pixels a part of the screen showed when last drawn, kept with a key
// that names everything drawn there, so that an unchanged part is copied
// back instead of drawn again.
class ScreenPatch {
public:
    // Copies the kept pixels back when they were taken for `key` over `area`
    // of a screen of the same depth and size; false, touching nothing, when
    // they were not.
    bool restore(const std::string& key, const Rect& area);
    // Keeps what the screen shows over `area` now, for `key`.
    void capture(std::string key, const Rect& area);

private:
    std::string key_;
    Rect area_;
    Rect deviceArea_;
    int bytesPerPixel_ = 0;
    std::vector<uint8_t> pixels_;
};

}  // namespace cv
