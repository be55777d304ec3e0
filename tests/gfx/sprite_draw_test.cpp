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

// How many value words follow a command word of `count` pixels.
int ValueWords(int command, int count) {
    if (command == 2 || command == 3 || command == 6) return count;
    return command == 4 || command == 5 || command == 7 ? 1 : 0;
}

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
            const int values = ValueWords(command, count);
            for (int i = 0; values && i < count; ++i)
                out.push_back({column + i, row, command, w[at + (values > 1 ? i : 0)]});
            at += values;
            column += count;
        }
    }
    return out;
}

// What one stored pixel makes of the device pixel under it, channel by channel
// at the device's precision (5-5-5, 5-6-5 or 8-8-8).
uint32_t Blend(int bits, int command, uint16_t v, uint32_t d) {
    const bool opaque = command == 2 || command == 4, alpha = command == 3 || command == 5;
    const int a = (v >> 12) * 17, stored[3] = {v >> 11, v >> 5 & 63, v & 31};
    uint32_t out = 0;
    for (int i = 0, at = bits; i < 3; ++i) {
        const int width = bits == 24 ? 8 : bits == 16 && i == 1 ? 6 : 5, up = 8 - width;
        const int storedWidth = i == 1 ? 6 : 5;
        at -= width;
        const int s = width >= storedWidth ? stored[i] << (width - storedWidth)
                                           : stored[i] >> (storedWidth - width);
        const int P = s << up, Q = int(d >> at & ((1u << width) - 1)) << up;
        const int c = opaque  ? s
                      : alpha ? ((v >> (8 - 4 * i) & 15) * 17 * a + Q * (255 - a)) / 255 >> up
                              : (P - P * Q / 255 + Q) >> up;
        out |= uint32_t(c) << at;
    }
    return out;
}

using test::PixelAt;

// The expected surface: every stored pixel moved as the mode says and mixed in.
void ReferenceDraw(const Words& w, const SurfaceDesc& d, int bits, int column, int row, int mode) {
    for (const StoredPixel& p : StoredPixels(w)) {
        const int x = column + (mode == 1 ? w[0] - 1 - p.column : p.column);
        const int y = row + (mode == 2 ? 2 * w[3] + w[5] - 1 - p.row : p.row);
        if (x >= 0 && y >= 0 && x < d.width && y < d.height)
            test::SetPixelAt(d, x, y, Blend(bits, p.command, p.value, PixelAt(d, x, y)));
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
            for (int i = 0; i < ValueWords(command, count); ++i) {
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
        Ref<ISurface> actual = MakeRef<ISurfaceSoft>(width, 23, bits);
        if (round % 2) actual = MakeRef<ISurfaceDIB>(width, 23, bits);
        const SurfaceDesc a = actual->describe();
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < width; ++x) test::SetPixelAt(a, x, y, rng());
        }
        Ref<ISurface> expected = actual->readRect({0, 0, width, 23});
        // Positions from wholly off one edge, across it, to wholly off the other.
        const int column = int(rng() % (width + 83)) - 60, row = int(rng() % 60) - 30;
        const int mode = round % 3;
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " at " << column << "," << row << " mode " << mode);
        sprite->drawOnto(*actual, column, row, mode);
        ReferenceDraw(words, expected->describe(), bits, column, row, mode);
        const SurfaceDesc e = expected->describe();
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < width; ++x)
                ASSERT_EQ(PixelAt(a, x, y), PixelAt(e, x, y)) << x << "," << y;
        }
        drawn += !StoredPixels(words).empty();
    }
    EXPECT_GT(drawn, 1000);
}

// One row of literal pixels of the command.
Words LiteralRow(int command, const std::vector<uint16_t>& values) {
    const auto n = uint16_t(values.size());
    Words w{n, 1, 0, 0, n, 1, 0, uint16_t(command | (n - 1) << 4)};
    w.insert(w.end(), values.begin(), values.end());
    w.push_back(0x0010);
    return w;
}

TEST(SpriteDraw, BlendsFollowTheirRulesForEveryAlphaAndChannel) {
    // Every alpha and source channel value (the same in all three channels);
    // every source channel value of the screen blend.
    std::vector<uint16_t> alphas, lights;
    for (int k = 0; k < 256; ++k) alphas.push_back(uint16_t(k << 8 | (k & 15) << 4 | (k & 15)));
    for (int k = 0; k < 64; ++k) lights.push_back(uint16_t((k & 31) << 11 | k << 5 | (k & 31)));
    for (const Words& w : {LiteralRow(3, alphas), LiteralRow(6, lights)}) {
        Ref<Sprite> sprite = MakeRef<Sprite>();
        sprite->setWords(w, "blends");
        for (int bits : {15, 16}) {
            for (int mode : {kDrawPlain, kDrawMirrorRows}) {
                SCOPED_TRACE(testing::Message() << "command " << (w[7] & 15) << ", " << bits
                                                << " bits, mode " << mode);
                // Drawn over every destination channel value, row by row; the
                // last few pixels come within eight of the right edge.
                const int width = w[0] + 3;
                auto actual = MakeRef<ISurfaceSoft>(width, 64, bits);
                const SurfaceDesc a = actual->describe();
                for (int y = 0; y < 64; ++y) {
                    const int c = y & 31;
                    const int d =
                        bits == 16 ? c << 11 | y << 5 | c : (y & 1) << 15 | c << 10 | c << 5 | c;
                    for (int x = 0; x < width; ++x) test::SetPixelAt(a, x, y, uint32_t(d));
                }
                Ref<ISurface> expected = actual->readRect({0, 0, width, 64});
                for (int y = 0; y < 64; ++y) {
                    sprite->drawOnto(*actual, 2, y, mode);
                    ReferenceDraw(w, expected->describe(), bits, 2, y, mode);
                }
                const SurfaceDesc e = expected->describe();
                for (int y = 0; y < 64; ++y) {
                    for (int x = 0; x < width; ++x)
                        ASSERT_EQ(PixelAt(a, x, y), PixelAt(e, x, y)) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace cv
