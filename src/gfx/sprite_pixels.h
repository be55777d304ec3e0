#pragma once

// How a sprite's pixels land on a surface of each target depth; only sprite
// drawing uses this.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "gfx/blend_tables.h"

namespace cv::sprite_pixels {

inline uint16_t Load16(const uint8_t* at) {
    uint16_t v;
    std::memcpy(&v, at, 2);
    return v;
}

inline void Store16(uint8_t* at, uint16_t v) {
    std::memcpy(at, &v, 2);
}

// The first and the last kBytes of a copy of kBytes to 2 x kBytes bytes.
template <size_t kBytes>
void CopyEnds(uint8_t* d, const uint8_t* s, size_t bytes) {
    std::memcpy(d, s, kBytes);
    std::memcpy(d + bytes - kBytes, s + bytes - kBytes, kBytes);
}

// Runs are mostly short: copied inline as two overlapping blocks they cost no
// call and no loop. Long ones go to the library, which has wider moves.
[[gnu::always_inline]] inline void CopyBytes(uint8_t* d, const uint8_t* s, size_t bytes) {
    if (bytes > 128) {
        std::memcpy(d, s, bytes);
    } else if (bytes > 64) {
        CopyEnds<64>(d, s, bytes);
    } else if (bytes > 32) {
        CopyEnds<32>(d, s, bytes);
    } else if (bytes > 16) {
        CopyEnds<16>(d, s, bytes);
    } else if (bytes >= 8) {
        CopyEnds<8>(d, s, bytes);
    } else if (bytes >= 4) {
        CopyEnds<4>(d, s, bytes);
    } else if (bytes >= 2) {
        std::memcpy(d, s, 2);
    }
}

// The alpha rule by arithmetic, to the bit what a table of every case would
// hold, on one pixel (V = uint32_t) or on eight at once (V = U16x8). A
// channel's 8-bit mix x = s x 17 x A + d x (255 - A), with A = alpha x 17
// and d the destination channel scaled to 8 bits, is at most 255 x 255 and
// so fits 16 bits, and there (x + 1 + (x >> 8)) >> 8 is x / 255.
template <class V>
V DivideBy255(V x) {
    return x + 1 + (x >> 8);  // x / 255 in the top 8 of 16 bits
}

// A 4-4-4-4 pixel s over a 5-6-5 pixel d.
template <class V>
V AlphaBlend565(V s, V d) {
    const V a = s >> 12, source = a * 289, destination = 255 - a * 17;
    const V b = DivideBy255<V>((s & 15) * source + (d & 31) * (destination << 3));
    const V g = DivideBy255<V>((s >> 4 & 15) * source + (d >> 5 & 63) * (destination << 2));
    const V r = DivideBy255<V>((s >> 8 & 15) * source + (d >> 11) * (destination << 3));
    return (r & 0xF800) | (g >> 5 & 0x7E0) | b >> 11;
}

// The same over a 1-5-5-5 pixel (the top bit comes out clear).
template <class V>
V AlphaBlend555(V s, V d) {
    const V a = s >> 12, source = a * 289, destination = (255 - a * 17) << 3;
    const V b = DivideBy255<V>((s & 15) * source + (d & 31) * destination);
    const V g = DivideBy255<V>((s >> 4 & 15) * source + (d >> 5 & 31) * destination);
    const V r = DivideBy255<V>((s >> 8 & 15) * source + (d >> 10 & 31) * destination);
    return (r >> 1 & 0x7C00) | (g >> 6 & 0x3E0) | b >> 11;
}

template <uint32_t (*kBlend)(uint32_t, uint32_t)>
struct AlphaMix {
    uint32_t p;
    void operator()(uint8_t* d) const { Store16(d, static_cast<uint16_t>(kBlend(p, Load16(d)))); }
};

using U16x8 = uint16_t __attribute__((vector_size(16)));

// The screen rule by arithmetic, to the bit what the tables hold: with P and
// Q a source and a destination channel scaled to 8 bits, P + Q - P x Q / 255
// scaled back. P x Q is at most 252 x 252, so DivideBy255 holds.
template <int kWidth>
U16x8 ScreenChannel(U16x8 p, U16x8 q) {
    constexpr int up = 8 - kWidth;
    const U16x8 P = p << up, Q = q << up;
    return (P + Q - (DivideBy255<U16x8>(P * Q) >> 8)) >> up;
}

// A 5-6-5 pixel s screen-blended over a 5-6-5 pixel d, eight at once.
inline U16x8 ScreenBlend565(U16x8 s, U16x8 d) {
    const U16x8 r = ScreenChannel<5>(s >> 11, d >> 11);
    const U16x8 g = ScreenChannel<6>(s >> 5 & 63, d >> 5 & 63);
    const U16x8 b = ScreenChannel<5>(s & 31, d & 31);
    return r << 11 | g << 5 | b;
}

// Mixes the first n (1 to 8) of the eight 5-6-5 pixels at d with the pixels
// at s; the others are written back as they were.
template <U16x8 (*kMix)(U16x8, U16x8)>
void Mix8(uint8_t* d, const uint16_t* s, int n) {
    U16x8 source, destination;
    std::memcpy(&source, s, sizeof source);
    std::memcpy(&destination, d, sizeof destination);
    const U16x8 lane = {0, 1, 2, 3, 4, 5, 6, 7};
    const U16x8 drawn = 0 - ((lane - static_cast<uint16_t>(n)) >> 15);  // all ones below n
    const U16x8 mixed = kMix(source, destination);
    destination = (mixed & drawn) | (destination & ~drawn);
    std::memcpy(d, &destination, sizeof destination);
}

// Eight at a time while eight pixels lie on the row, then one by one.
template <U16x8 (*kMix)(U16x8, U16x8), class Single>
void MixRun(uint8_t* d, const uint16_t* s, int n, int room, Single single) {
    int i = 0;
    for (; i < n && i + 8 <= room; i += 8) Mix8<kMix>(d + i * 2, s + i, n - i);
    for (; i < n; ++i) single(s[i])(d + i * 2);
}

// The screen blend through one table row per channel, picked by the source
// pixel, applied to a destination pixel split into channels.
template <int kRedShift, int kGreenMask>
struct TableMix {
    const uint8_t *r, *g, *b;
    void operator()(uint8_t* d) const {
        const uint16_t v = Load16(d);
        Store16(d, static_cast<uint16_t>(r[(v >> kRedShift) & 31] << kRedShift |
                                         g[(v >> 5) & kGreenMask] << 5 | b[v & 31]));
    }
};

struct StoreOpaque {
    uint16_t p;
    void operator()(uint8_t* d) const { Store16(d, p); }
};

// Each target depth makes three pixel operations from a source pixel
// (opaque store, alpha blend, screen blend) and copies, blends and fills
// runs left to right. Fills make their operation once for the whole run.
// `room` is how many pixels from the run's start on lie on the surface row.
struct Target16 {
    static constexpr int kBytes = 2;
    const BlendTables* t;

    StoreOpaque Opaque(uint16_t p) const { return {p}; }
    static AlphaMix<AlphaBlend565<uint32_t>> Alpha(uint16_t p) { return {p}; }
    TableMix<11, 63> Screen(uint16_t p) const {
        return {t->screen5[p >> 11], t->screen6[(p >> 5) & 63], t->screen5[p & 31]};
    }
    void Fill(uint8_t* d, uint16_t p, int n) const {
        std::fill_n(reinterpret_cast<uint16_t*>(d), n, p);
    }
    void Copy(uint8_t* d, const uint16_t* s, int n) const {
        CopyBytes(d, reinterpret_cast<const uint8_t*>(s), n * 2u);
    }
    [[gnu::noinline]] void Blend(uint8_t* d, const uint16_t* s, int n, int room) const {
        MixRun<AlphaBlend565<U16x8>>(d, s, n, room, Alpha);
    }
    [[gnu::noinline]] void Lighten(uint8_t* d, const uint16_t* s, int n, int room) const {
        MixRun<ScreenBlend565>(d, s, n, room, [this](uint16_t p) { return Screen(p); });
    }
};

// 1-5-5-5: red and the upper five green bits move down one place.
struct Target15 {
    static constexpr int kBytes = 2;
    const BlendTables* t;

    static uint16_t From565(uint16_t p) {
        return static_cast<uint16_t>((p & 0xFFC0) >> 1 | (p & 0x1F));
    }
    StoreOpaque Opaque(uint16_t p) const { return {From565(p)}; }
    static AlphaMix<AlphaBlend555<uint32_t>> Alpha(uint16_t p) { return {p}; }
    TableMix<10, 31> Screen(uint16_t p) const {
        return {t->screen5[p >> 11], t->screen5[(p >> 6) & 31], t->screen5[p & 31]};
    }
    void Fill(uint8_t* d, uint16_t p, int n) const {
        std::fill_n(reinterpret_cast<uint16_t*>(d), n, From565(p));
    }
    void Copy(uint8_t* d, const uint16_t* s, int n) const {
        for (int i = 0; i < n; ++i, d += 2) Store16(d, From565(s[i]));
    }
    void Blend(uint8_t* d, const uint16_t* s, int n, int /*room*/) const {
        for (int i = 0; i < n; ++i, d += 2) Alpha(s[i])(d);
    }
    void Lighten(uint8_t* d, const uint16_t* s, int n, int /*room*/) const {
        for (int i = 0; i < n; ++i, d += 2) Screen(s[i])(d);
    }
};

// Blue, green, red bytes; blending is computed, there are no tables for it.
struct Target24 {
    static constexpr int kBytes = 3;
    struct Bytes {
        uint8_t b, g, r;
        void operator()(uint8_t* d) const { d[0] = b, d[1] = g, d[2] = r; }
    };
    struct AlphaMix {
        int b, g, r, weight;  // source channel x 17 x alpha x 17; destination weight
        void operator()(uint8_t* d) const {
            d[0] = static_cast<uint8_t>((b + d[0] * weight) / 255);
            d[1] = static_cast<uint8_t>((g + d[1] * weight) / 255);
            d[2] = static_cast<uint8_t>((r + d[2] * weight) / 255);
        }
    };
    struct ScreenMix {
        int b, g, r;
        static uint8_t Mix(int d, int s) { return static_cast<uint8_t>(d + s - d * s / 255); }
        void operator()(uint8_t* d) const {
            d[0] = Mix(d[0], b), d[1] = Mix(d[1], g), d[2] = Mix(d[2], r);
        }
    };
    const BlendTables* t;

    Bytes Opaque(uint16_t p) const {
        return {static_cast<uint8_t>((p & 0x1F) << 3), static_cast<uint8_t>((p >> 3) & 0xFC),
                static_cast<uint8_t>((p >> 8) & 0xF8)};
    }
    AlphaMix Alpha(uint16_t p) const {
        const int a = (p >> 12) * 17;
        return {(p & 15) * 17 * a, ((p >> 4) & 15) * 17 * a, ((p >> 8) & 15) * 17 * a, 255 - a};
    }
    ScreenMix Screen(uint16_t p) const {
        return {(p & 31) << 3, ((p >> 5) & 63) << 2, (p >> 11) << 3};
    }
    void Fill(uint8_t* d, uint16_t p, int n) const {
        const Bytes op = Opaque(p);
        for (int i = 0; i < n; ++i, d += 3) op(d);
    }
    void Copy(uint8_t* d, const uint16_t* s, int n) const {
        for (int i = 0; i < n; ++i, d += 3) Opaque(s[i])(d);
    }
    void Blend(uint8_t* d, const uint16_t* s, int n, int /*room*/) const {
        for (int i = 0; i < n; ++i, d += 3) Alpha(s[i])(d);
    }
    void Lighten(uint8_t* d, const uint16_t* s, int n, int /*room*/) const {
        for (int i = 0; i < n; ++i, d += 3) Screen(s[i])(d);
    }
};

}  // namespace cv::sprite_pixels
