#include "gfx/sprite_picture.h"

#include "gfx/sprite_format.h"
#include "gfx/surface_soft.h"

namespace cv {
namespace {

// Stored column c is logical row c; stored row r is logical column H - 1 - r.
Point UprightOf(int column, int row, int storedHeight) {
    return {storedHeight - 1 - row, column};
}

Ref<ISurfaceSoft> SpriteOver(const Sprite& sprite, uint8_t background) {
    const auto& words = sprite.words();
    auto surface =
        MakeRef<ISurfaceSoft>(words[sprite_format::kWidth], words[sprite_format::kHeight], 24);
    SurfaceDesc d = surface->describe();
    std::fill(d.row0, d.row0 + static_cast<size_t>(d.height) * d.pitch, background);
    sprite.drawOnto(*surface, 0, 0, kDrawPlain);
    return surface;
}

// Over black an alpha pixel gives s x a x 17 / 15 per channel, over white
// 255 - 17 a more: the difference tells the alpha, then the channel follows.
void Unblend(const uint8_t* black, const uint8_t* white, uint8_t* rgba) {
    const int a = (255 - (white[1] - black[1])) / 17;
    rgba[3] = static_cast<uint8_t>(a * 17);
    for (int i = 0; i < 3; ++i) {
        int value = black[2 - i];
        if (a > 0 && a < 15) {
            int s = 0;
            while (s < 15 && (s * 17) * (a * 17) / 255 < value) ++s;
            value = s * 17;
        }
        rgba[i] = a == 0 ? 0 : static_cast<uint8_t>(value);
    }
}

}  // namespace

Ref<ISurface> StoredSurfaceOf(const RgbaPicture& picture, int mode) {
    const bool alpha = mode == kBuildAlpha;
    auto surface = MakeRef<ISurfaceSoft>(picture.height, picture.width, alpha ? 32 : 24);
    const SurfaceDesc d = surface->describe();
    for (int row = 0; row < d.height; ++row) {
        for (int column = 0; column < d.width; ++column) {
            const Point p = UprightOf(column, row, d.height);
            const uint8_t* rgba = picture.At(p.x, p.y);
            uint8_t* out = d.At(column, row);
            out[0] = rgba[2], out[1] = rgba[1], out[2] = rgba[0];
            if (alpha) out[3] = rgba[3];
        }
    }
    return surface;
}

RgbaPicture UprightPictureOf(const Sprite& sprite) {
    if (sprite.words().size() < sprite_format::kHeaderWords) return {};
    const bool screen = sprite.words()[sprite_format::kKind] == sprite_format::kScreenKind;
    Ref<ISurfaceSoft> black = SpriteOver(sprite, 0);
    Ref<ISurfaceSoft> white = screen ? black : SpriteOver(sprite, 255);
    const SurfaceDesc b = black->describe(), w = white->describe();
    RgbaPicture picture{b.height, b.width, {}};
    picture.pixels.resize(static_cast<size_t>(b.width) * b.height * 4);
    for (int row = 0; row < b.height; ++row) {
        for (int column = 0; column < b.width; ++column) {
            const Point p = UprightOf(column, row, b.height);
            uint8_t* rgba = picture.At(p.x, p.y);
            const uint8_t* over = b.At(column, row);
            if (screen) {
                // A screen sprite's black is its transparency.
                rgba[0] = over[2], rgba[1] = over[1], rgba[2] = over[0];
                rgba[3] = (over[0] | over[1] | over[2]) ? 255 : 0;
            } else {
                Unblend(over, w.At(column, row), rgba);
            }
        }
    }
    return picture;
}

}  // namespace cv
