#include "gfx/sprite_draw.h"

#include <algorithm>
#include <cstring>

#include "gfx/blend_tables.h"
#include "gfx/sprite_format.h"

namespace cv {

using namespace sprite_format;

namespace {

uint16_t Load16(const uint8_t* at) {
    uint16_t v;
    std::memcpy(&v, at, 2);
    return v;
}

void Store16(uint8_t* at, uint16_t v) {
    std::memcpy(at, &v, 2);
}

// One table row per channel, picked by the source pixel, applied to a
// destination pixel split into channels at the given shifts.
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
// (opaque store, alpha blend, screen blend) and copies and fills runs. Fill
// commands make their operation once and apply it to the whole run.
struct Target16 {
    static constexpr int kBytes = 2;
    using Mix = TableMix<11, 63>;
    const BlendTables* t;

    StoreOpaque Opaque(uint16_t p) const { return {p}; }
    Mix Alpha(uint16_t p) const {
        const int a = p >> 12;
        return {t->alpha5[a][(p >> 8) & 15], t->alpha6[a][(p >> 4) & 15], t->alpha5[a][p & 15]};
    }
    Mix Screen(uint16_t p) const {
        return {t->screen5[p >> 11], t->screen6[(p >> 5) & 63], t->screen5[p & 31]};
    }
    void Fill(uint8_t* d, uint16_t p, int n) const {
        std::fill_n(reinterpret_cast<uint16_t*>(d), n, p);
    }
    void CopyForward(uint8_t* d, const uint16_t* s, int n) const { std::memcpy(d, s, n * 2u); }
};

// 1-5-5-5: red and the upper five green bits move down one place.
struct Target15 {
    static constexpr int kBytes = 2;
    using Mix = TableMix<10, 31>;
    const BlendTables* t;

    static uint16_t From565(uint16_t p) {
        return static_cast<uint16_t>((p & 0xFFC0) >> 1 | (p & 0x1F));
    }
    StoreOpaque Opaque(uint16_t p) const { return {From565(p)}; }
    Mix Alpha(uint16_t p) const {
        const int a = p >> 12;
        return {t->alpha5[a][(p >> 8) & 15], t->alpha5[a][(p >> 4) & 15], t->alpha5[a][p & 15]};
    }
    Mix Screen(uint16_t p) const {
        return {t->screen5[p >> 11], t->screen5[(p >> 6) & 31], t->screen5[p & 31]};
    }
    void Fill(uint8_t* d, uint16_t p, int n) const {
        std::fill_n(reinterpret_cast<uint16_t*>(d), n, From565(p));
    }
    void CopyForward(uint8_t* d, const uint16_t* s, int n) const {
        for (int i = 0; i < n; ++i, d += 2) Store16(d, From565(s[i]));
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
    void CopyForward(uint8_t* d, const uint16_t* s, int n) const {
        for (int i = 0; i < n; ++i, d += 3) Opaque(s[i])(d);
    }
};

// The pixels [lo, lo + count) of one record other than a copy, clipped
// already; `at` is the device address of pixel lo.
template <class T, bool kMirror>
void DrawRecord(T t, int command, const uint16_t* payload, int lo, int count, uint8_t* at) {
    constexpr int step = kMirror ? -T::kBytes : T::kBytes;
    uint8_t* left = kMirror ? at - (count - 1) * T::kBytes : at;  // fills go rightwards
    switch (command) {
        case kBlend:
            for (int i = 0; i < count; ++i, at += step) t.Alpha(payload[lo + i])(at);
            break;
        case kScreen:
            for (int i = 0; i < count; ++i, at += step) t.Screen(payload[lo + i])(at);
            break;
        case kFill:
            t.Fill(left, *payload, count);
            break;
        case kBlendFill: {
            const auto mix = t.Alpha(*payload);
            for (int i = 0; i < count; ++i, left += T::kBytes) mix(left);
            break;
        }
        case kScreenFill: {
            const auto mix = t.Screen(*payload);
            for (int i = 0; i < count; ++i, left += T::kBytes) mix(left);
            break;
        }
        default:
            break;
    }
}

// One row of records starting at device column x (mirrored: writing
// leftwards). Without kClip the whole row lies on the surface. Copies, by far
// the most common record, take the short way.
template <class T, bool kMirror, bool kClip>
void DrawRow(T t, const uint16_t* r, uint8_t* row, int x, int width) {
    for (;;) {
        const int command = r[0], n = r[1];
        x += kMirror ? -r[2] : r[2];
        const uint16_t* payload = r + 3;
        // Pixels lo..hi-1 of the run land on the surface.
        int lo = 0, hi = n;
        if constexpr (kClip) {
            if (kMirror ? x < 0 : x >= width) return;  // the rest is off the surface
            lo = kMirror ? std::max(0, x - width + 1) : std::max(0, -x);
            hi = kMirror ? std::min(n, x + 1) : std::min(n, width - x);
        }
        uint8_t* at = row + (kMirror ? x - lo : x + lo) * T::kBytes;
        if (command == kCopy) {
            if (kMirror) {
                for (int i = lo; i < hi; ++i, at -= T::kBytes) t.Opaque(payload[i])(at);
            } else if (lo < hi) {
                t.CopyForward(at, payload + lo, hi - lo);
            }
            r = payload + n;
        } else if (command == kEnd) {
            return;
        } else {
            if (lo < hi) DrawRecord<T, kMirror>(t, command, payload, lo, hi - lo, at);
            r = payload + (IsLiteral(command) ? n : 1);
        }
        x += kMirror ? -n : n;
    }
}

template <class T, bool kMirror>
void DrawRowsOf(T t, const CompiledSprite& s, const SurfaceDesc& target, int startX, bool clip,
                int64_t base, int direction, int first, int end) {
    // Locals, so that the copies in between need not reload them.
    const uint16_t* records = s.records.data();
    const uint32_t* rowStarts = s.rowStarts.data();
    const int width = target.width;
    const intptr_t step = intptr_t{target.pitch} * direction;
    uint8_t* firstRow = target.At(0, static_cast<int>(base + int64_t{first} * direction));
    for (int i = first; i < end; ++i) {
        uint8_t* device = firstRow + (i - first) * step;
        if (clip) {
            DrawRow<T, kMirror, true>(t, records + rowStarts[i], device, startX, width);
        } else {
            DrawRow<T, kMirror, false>(t, records + rowStarts[i], device, startX, width);
        }
    }
}

template <class T>
void DrawRows(const CompiledSprite& s, const SurfaceDesc& target, int64_t column, int64_t row,
              int mode) {
    const bool mirrorRows = mode == kDrawMirrorRows, mirrorColumns = mode == kDrawMirrorColumns;
    // The box on the surface: columns [left, left + boxWidth), rows [top, top + boxHeight).
    const int64_t left = mirrorRows ? column + s.width - s.boxX - s.boxWidth : column + s.boxX;
    const int64_t top = row + s.boxY;
    if (left >= target.width || top >= target.height || left + s.boxWidth <= 0 ||
        top + s.boxHeight <= 0) {
        return;
    }
    // Within these bounds every column fits an int.
    const int startX =
        static_cast<int>(mirrorRows ? column + s.width - s.boxX - 1 : column + s.boxX);
    const bool clip = left < 0 || left + s.boxWidth > target.width;
    // Encoded row i goes to device row base + i * direction.
    const int64_t base = mirrorColumns ? top + s.boxHeight - 1 : top;
    const int direction = mirrorColumns ? -1 : 1;
    const int64_t firstVisible = mirrorColumns ? base - (target.height - 1) : -base;
    const int64_t endVisible = mirrorColumns ? base + 1 : target.height - base;
    const int first = static_cast<int>(std::max<int64_t>(0, firstVisible));
    const int end = static_cast<int>(std::min<int64_t>(s.rowStarts.size(), endVisible));
    if (first >= end) return;
    const T t{&TheBlendTables()};
    if (mirrorRows) {
        DrawRowsOf<T, true>(t, s, target, startX, clip, base, direction, first, end);
    } else {
        DrawRowsOf<T, false>(t, s, target, startX, clip, base, direction, first, end);
    }
}

}  // namespace

void DrawSpriteRows(const CompiledSprite& sprite, const SurfaceDesc& target, int bitsPerPixel,
                    int64_t column, int64_t row, int mode) {
    switch (bitsPerPixel) {
        case 16:
            DrawRows<Target16>(sprite, target, column, row, mode);
            break;
        case 15:
            DrawRows<Target15>(sprite, target, column, row, mode);
            break;
        case 24:
            DrawRows<Target24>(sprite, target, column, row, mode);
            break;
        default:
            break;
    }
}

}  // namespace cv
