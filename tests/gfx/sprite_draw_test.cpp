#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/sprite.h"
#include "gfx/surface_dib.h"
#include "gfx/surface_soft.h"
#include "gfx_test_util.h"

namespace cv {
namespace {

using Words = std::vector<uint16_t>;

// One stored pixel of a sprite: where it is and what its command does.
struct StoredPixel {
    int column, row, command;
    uint16_t value;
};

// A plain reading of the words, independent of the blitter.
std::vector<StoredPixel> StoredPixels(const Words& w) {
    std::vector<StoredPixel> out;
    size_t at = 7;
    for (int row = w[3]; row < w[3] + w[5]; ++row) {
        for (int column = w[2];;) {
            const uint16_t word = w[at++];
            const int command = word & 15, count = (word >> 4) + 1;
            if (word == 0x10) return out;
            if (command == 0) break;
            const bool literal = command == 2 || command == 3 || command == 6;
            const bool fill = command == 4 || command == 5 || command == 7;
            for (int i = 0; i < count; ++i) {
                if (literal || fill)
                    out.push_back({column + i, row, command, w[at + (literal ? i : 0)]});
            }
            at += literal ? count : fill ? 1 : 0;
            column += count;
        }
    }
    return out;
}

int AlphaMix(int a, int s, int d, int scale, int shift) {
    return ((s * 17) * (a * 17) + (d * scale) * (255 - a * 17)) / 255 >> shift;
}

int ScreenMix(int p, int q, int scale, int shift) {
    const int P = p * scale, Q = q * scale;
    return (P - P * Q / 255 + Q) >> shift;
}

// What one stored pixel makes of the device pixel under it.
uint32_t Blend(int bits, int command, uint16_t v, uint32_t d) {
    const bool opaque = command == 2 || command == 4, alpha = command == 3 || command == 5;
    const int a = v >> 12, s[3] = {(v >> 8) & 15, (v >> 4) & 15, v & 15};
    const int r5 = v >> 11, g6 = (v >> 5) & 63, b5 = v & 31;
    if (bits == 16) {
        const int dr = d >> 11, dg = (d >> 5) & 63, db = d & 31;
        if (opaque) return v;
        if (alpha)
            return AlphaMix(a, s[0], dr, 8, 3) << 11 | AlphaMix(a, s[1], dg, 4, 2) << 5 |
                   AlphaMix(a, s[2], db, 8, 3);
        return ScreenMix(r5, dr, 8, 3) << 11 | ScreenMix(g6, dg, 4, 2) << 5 |
               ScreenMix(b5, db, 8, 3);
    }
    if (bits == 15) {
        const int dr = (d >> 10) & 31, dg = (d >> 5) & 31, db = d & 31;
        if (opaque) return r5 << 10 | (g6 >> 1) << 5 | b5;
        if (alpha)
            return AlphaMix(a, s[0], dr, 8, 3) << 10 | AlphaMix(a, s[1], dg, 8, 3) << 5 |
                   AlphaMix(a, s[2], db, 8, 3);
        return ScreenMix(r5, dr, 8, 3) << 10 | ScreenMix(g6 >> 1, dg, 8, 3) << 5 |
               ScreenMix(b5, db, 8, 3);
    }
    const int dc[3] = {int(d >> 16 & 255), int(d >> 8 & 255), int(d & 255)};
    const int src[3] = {r5 << 3, g6 << 2, b5 << 3};
    uint32_t out = 0;
    for (int i = 0; i < 3; ++i) {
        int c = opaque  ? src[i]
                : alpha ? (s[i] * 17 * (a * 17) + dc[i] * (255 - a * 17)) / 255
                        : dc[i] + src[i] - dc[i] * src[i] / 255;
        out = out << 8 | uint32_t(c);
    }
    return out;
}

uint32_t Get(const SurfaceDesc& d, int x, int y) {
    return d.bytesPerPixel == 2 ? test::Get16(d, x, y) : test::Get24(d, x, y);
}

void Set(const SurfaceDesc& d, int x, int y, uint32_t v) {
    for (int i = 0; i < d.bytesPerPixel; ++i) d.At(x, y)[i] = uint8_t(v >> (8 * i));
}

// The expected surface: every stored pixel moved as the mode says and mixed in.
void ReferenceDraw(const Words& w, const SurfaceDesc& d, int bits, int column, int row, int mode) {
    for (const StoredPixel& p : StoredPixels(w)) {
        const int x = column + (mode == 1 ? w[0] - 1 - p.column : p.column);
        const int y = row + (mode == 2 ? 2 * w[3] + w[5] - 1 - p.row : p.row);
        if (x >= 0 && y >= 0 && x < d.width && y < d.height)
            Set(d, x, y, Blend(bits, p.command, p.value, Get(d, x, y)));
    }
}

// Random rows of every command, 8 to 15 (which carry nothing) included.
Words RandomSprite(std::mt19937& rng) {
    const int boxX = rng() % 4, boxY = rng() % 4, boxRows = rng() % 12 + 1;
    Words rows;
    int boxWidth = 0;
    for (int r = 0; r < boxRows; ++r) {
        int covered = 0;
        for (int n = rng() % 6; n > 0; --n) {
            const int command = rng() % 16 == 0 ? 8 + rng() % 8 : 1 + rng() % 7;
            const int count = rng() % 16 == 0  ? 50 + rng() % 100
                              : rng() % 8 == 0 ? 20 + rng() % 30
                                               : 1 + rng() % 6;
            rows.push_back(uint16_t(command | (count - 1) << 4));
            const bool literal = command == 2 || command == 3 || command == 6;
            const bool fill = command == 4 || command == 5 || command == 7;
            for (int i = 0; i < (literal ? count : fill ? 1 : 0); ++i) {
                uint16_t v = uint16_t(rng());
                if (command == 3 || command == 5)
                    v = uint16_t((v & 0x0FFF) | (1 + rng() % 14) << 12);
                rows.push_back(v);
            }
            covered += count;
        }
        boxWidth = std::max(boxWidth, covered);
        rows.push_back(r + 1 < boxRows ? 0x0000 : 0x0010);
    }
    Words w{uint16_t(boxX + boxWidth + rng() % 3),
            uint16_t(boxY + boxRows + rng() % 3),
            uint16_t(boxX),
            uint16_t(boxY),
            uint16_t(boxWidth),
            uint16_t(boxRows),
            0};
    w.insert(w.end(), rows.begin(), rows.end());
    return w;
}

template <class S>
Ref<ISurface> Noise(std::mt19937& rng, int w, int h, int bits) {
    Ref<ISurface> s = MakeRef<S>(w, h, bits);
    const SurfaceDesc d = s->describe();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w * d.bytesPerPixel; ++x) d.At(0, y)[x] = uint8_t(rng());
    }
    return s;
}

TEST(SpriteDraw, MatchesAPixelByPixelReadingAtEveryEdgeAndMirror) {
    std::mt19937 rng(11);
    int drawn = 0;
    for (int round = 0; round < 1500; ++round) {
        const Words words = RandomSprite(rng);
        Ref<Sprite> sprite = MakeRef<Sprite>();
        sprite->setWords(words, "random");
        const int bits = round % 4 == 3 ? 24 : round % 4 == 2 ? 15 : 16;
        // Wide enough now and then for long runs to land whole.
        const int width = round % 5 == 4 ? 301 : 37;
        Ref<ISurface> actual = round % 2 ? Noise<ISurfaceDIB>(rng, width, 23, bits)
                                         : Noise<ISurfaceSoft>(rng, width, 23, bits);
        Ref<ISurface> expected = actual->readRect({0, 0, width, 23});
        // Positions from wholly off one edge, across it, to wholly off the other.
        const int column = int(rng() % (width + 83)) - 60, row = int(rng() % 60) - 30;
        const int mode = round % 3;
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " at " << column << "," << row << " mode " << mode);
        sprite->drawOnto(*actual, column, row, mode);
        ReferenceDraw(words, expected->describe(), bits, column, row, mode);
        const SurfaceDesc a = actual->describe(), e = expected->describe();
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < width; ++x) ASSERT_EQ(Get(a, x, y), Get(e, x, y)) << x << "," << y;
        }
        drawn += !StoredPixels(words).empty();
    }
    EXPECT_GT(drawn, 1000);
}

TEST(SpriteDraw, AlphaBlendingFollowsTheRuleForEveryAlphaAndChannel) {
    // One row of every alpha and source channel value (the same in all three
    // channels), drawn over every destination channel value, row by row.
    Words w{256, 1, 0, 0, 256, 1, 0, 0x0FF3};
    for (int k = 0; k < 256; ++k) w.push_back(uint16_t(k << 8 | (k & 15) << 4 | (k & 15)));
    w.push_back(0x0010);
    Ref<Sprite> sprite = MakeRef<Sprite>();
    sprite->setWords(w, "alphas");
    for (int bits : {15, 16}) {
        for (int mode : {kDrawPlain, kDrawMirrorRows}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, mode " << mode);
            // The last few pixels come within eight of the right edge.
            auto actual = MakeRef<ISurfaceSoft>(259, 64, bits);
            const SurfaceDesc a = actual->describe();
            for (int y = 0; y < 64; ++y) {
                const int c = y & 31;
                const int d =
                    bits == 16 ? c << 11 | y << 5 | c : (y & 1) << 15 | c << 10 | c << 5 | c;
                for (int x = 0; x < 259; ++x) test::Put16(a, x, y, uint16_t(d));
            }
            Ref<ISurface> expected = actual->readRect({0, 0, 259, 64});
            for (int y = 0; y < 64; ++y) {
                sprite->drawOnto(*actual, 2, y, mode);
                ReferenceDraw(w, expected->describe(), bits, 2, y, mode);
            }
            const SurfaceDesc e = expected->describe();
            for (int y = 0; y < 64; ++y) {
                for (int x = 0; x < 259; ++x)
                    ASSERT_EQ(Get(a, x, y), Get(e, x, y)) << x << "," << y;
            }
        }
    }
}

TEST(SpriteDraw, ScreenBlendKeepsWhiteAndShowsTheSourceOverBlack) {
    Ref<Sprite> sprite = MakeRef<Sprite>();
    sprite->setWords({3, 1, 0, 0, 3, 1, 2, 0x0026, 0x1234, 0xF81F, 0x07E0, 0x0010}, "glow");
    for (uint16_t background : {uint16_t(0xFFFF), uint16_t(0)}) {
        auto surface = MakeRef<ISurfaceSoft>(3, 1, 16);
        const SurfaceDesc d = surface->describe();
        for (int x = 0; x < 3; ++x) test::Put16(d, x, 0, background);
        sprite->drawOnto(*surface, 0, 0, kDrawPlain);
        const std::vector<uint32_t> got{Get(d, 0, 0), Get(d, 1, 0), Get(d, 2, 0)};
        EXPECT_EQ(got, background ? std::vector<uint32_t>(3, 0xFFFF)
                                  : (std::vector<uint32_t>{0x1234, 0xF81F, 0x07E0}));
    }
}

}  // namespace
}  // namespace cv
