#pragma once

#include <string>
#include <vector>

#include "core/ref_counted.h"
#include "core/stream.h"
#include "gfx/geometry.h"
#include "gfx/sprite_draw.h"
#include "gfx/surface.h"

namespace cv {

// How a sprite is built from a surface.
enum SpriteBuildMode : int { kBuildOpaque = 0, kBuildAlpha = 1, kBuildScreen = 2 };

// A run-length picture in 16-bit words (see sprite_format.h), stored turned so
// that it stands upright on the landscape screen.
class Sprite : public RefCounted {
public:
    // Replaces the data by the encoding of a 24-bit (blue, green, red) or
    // 32-bit (blue, green, red, alpha) surface; fails with "Invalid pixel
    // format for ... sprite (%d bit/pix)" for another pixel size.
    virtual void build(ISurface& surface, int mode);
    // The logical size (stored height, stored width); (0, 0) when empty.
    virtual Size getSize() const;
    // Reads ".s16" data. Anything malformed (no "S16" mark, odd size, a box
    // larger than the picture, rows or counts running past the data or the
    // box) fails with "Invalid RLE sprite format in <stream name>".
    virtual void load(Stream& stream);
    // At a logical point of the device's screen surface.
    virtual void draw(Point point, int mode);
    // The logical rectangle the visible pixels lie in.
    virtual Rect getBounds() const;
    virtual void save(Stream& stream) const;

    // Draws with the stored picture's top-left corner at device (column, row)
    // of `surface`, clipped to it; surfaces of 15, 16 and 24 bits.
    void drawOnto(ISurface& surface, int64_t column, int64_t row, int mode) const;

    // Takes checked words; malformed ones fail as load does, naming `name`.
    void setWords(std::vector<uint16_t> words, const std::string& name);
    const std::vector<uint16_t>& words() const { return words_; }

private:
    std::vector<uint16_t> words_;
    // What drawing reads: an index of the rows, so that rows off the surface
    // are never visited, and runs merged into as few as drawing allows.
    CompiledSprite compiled_;
};

}  // namespace cv
