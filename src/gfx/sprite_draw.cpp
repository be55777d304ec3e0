#include "gfx/sprite_draw.h"

#include <algorithm>
#include <cstring>

#include "gfx/blend_tables.h"
#include "gfx/sprite.h"
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

// Each target depth offers three pixel operations made from a source pixel
// (opaque store, alpha blend, screen blend) and a fast fill. Fill commands
// make their operation once and apply it to every pixel of the run.
struct Target16 {
    static constexpr int kBytes = 2;
    struct Opaque {
        uint16_t p;
        void operator()(uint8_t* d) const { Store16(d, p); }
    };
    struct Mix {  // one table row per channel, picked by the source pixel
        const uint8_t *r, *g, *b;
        void operator()(uint8_t* d) const {
            const uint16_t v = Load16(d);
            Store16(d, static_cast<uint16_t>(r[v >> 11] << 11 | g[(v >> 5) & 63] << 5 | b[v & 31]));
        }
    };
    static Opaque MakeOpaque(uint16_t p) { return {p}; }
    static Mix MakeAlpha(uint16_t p) {
        const BlendTables& t = TheBlendTables();
        const int a = p >> 12;
        return {t.alpha5[a][(p >> 8) & 15], t.alpha6[a][(p >> 4) & 15], t.alpha5[a][p & 15]};
    }
    static Mix MakeScreen(uint16_t p) {
        const BlendTables& t = TheBlendTables();
        return {t.screen5[p >> 11], t.screen6[(p >> 5) & 63], t.screen5[p & 31]};
    }
    static void Fill(uint8_t* d, uint16_t p, int n) {
        std::fill_n(reinterpret_cast<uint16_t*>(d), n, p);
    }
    static void CopyForward(uint8_t* d, const uint16_t* s, int n) { std::memcpy(d, s, n * 2u); }
};

// 1-5-5-5: red and the upper five green bits move down one place.
struct Target15 {
    static constexpr int kBytes = 2;
    static uint16_t From565(uint16_t p) {
        return static_cast<uint16_t>((p & 0xFFC0) >> 1 | (p & 0x1F));
    }
    struct Mix {
        const uint8_t *r, *g, *b;
        void operator()(uint8_t* d) const {
            const uint16_t v = Load16(d);
            Store16(d, static_cast<uint16_t>(r[(v >> 10) & 31] << 10 | g[(v >> 5) & 31] << 5 |
                                             b[v & 31]));
        }
    };
    static Target16::Opaque MakeOpaque(uint16_t p) { return {From565(p)}; }
    static Mix MakeAlpha(uint16_t p) {
        const BlendTables& t = TheBlendTables();
        const int a = p >> 12;
        return {t.alpha5[a][(p >> 8) & 15], t.alpha5[a][(p >> 4) & 15], t.alpha5[a][p & 15]};
    }
    static Mix MakeScreen(uint16_t p) {
        const BlendTables& t = TheBlendTables();
        return {t.screen5[p >> 11], t.screen5[(p >> 6) & 31], t.screen5[p & 31]};
    }
    static void Fill(uint8_t* d, uint16_t p, int n) { Target16::Fill(d, From565(p), n); }
    static void CopyForward(uint8_t* d, const uint16_t* s, int n) {
        for (int i = 0; i < n; ++i, d += 2) Store16(d, From565(s[i]));
    }
};

// Blue, green, red bytes; blending is computed, there are no tables for it.
struct Target24 {
    static constexpr int kBytes = 3;
    struct Opaque {
        uint8_t b, g, r;
        void operator()(uint8_t* d) const { d[0] = b, d[1] = g, d[2] = r; }
    };
    struct Alpha {
        int b, g, r, weight;  // source channels x 17 x alpha x 17; destination weight
        void operator()(uint8_t* d) const {
            d[0] = static_cast<uint8_t>((b + d[0] * weight) / 255);
            d[1] = static_cast<uint8_t>((g + d[1] * weight) / 255);
            d[2] = static_cast<uint8_t>((r + d[2] * weight) / 255);
        }
    };
    struct Screen {
        int b, g, r;
        static uint8_t Mix(int d, int s) { return static_cast<uint8_t>(d + s - d * s / 255); }
        void operator()(uint8_t* d) const {
            d[0] = Mix(d[0], b), d[1] = Mix(d[1], g), d[2] = Mix(d[2], r);
        }
    };
    static Opaque MakeOpaque(uint16_t p) {
        return {static_cast<uint8_t>((p & 0x1F) << 3), static_cast<uint8_t>((p >> 3) & 0xFC),
                static_cast<uint8_t>((p >> 8) & 0xF8)};
    }
    static Alpha MakeAlpha(uint16_t p) {
        const int a = (p >> 12) * 17;
        return {(p & 15) * 17 * a, ((p >> 4) & 15) * 17 * a, ((p >> 8) & 15) * 17 * a, 255 - a};
    }
    static Screen MakeScreen(uint16_t p) {
        return {(p & 31) << 3, ((p >> 5) & 63) << 2, (p >> 11) << 3};
    }
    static void Fill(uint8_t* d, uint16_t p, int n) {
        const Opaque op = MakeOpaque(p);
        for (int i = 0; i < n; ++i, d += 3) op(d);
    }
    static void CopyForward(uint8_t* d, const uint16_t* s, int n) {
        for (int i = 0; i < n; ++i, d += 3) MakeOpaque(s[i])(d);
    }
};

template <class Op>
void ApplyToRun(uint8_t* d, int n, int step, Op op) {
    for (int i = 0; i < n; ++i, d += step) op(d);
}

template <class Make>
void ApplyEachSource(uint8_t* d, const uint16_t* s, int n, int step, Make make) {
    for (int i = 0; i < n; ++i, d += step) make(s[i])(d);
}

// The pixels [first, first + n) of one command, already clipped. `at` is the
// device address of pixel `first`, `leftmost` that of the leftmost one.
template <class T, bool kMirror>
void DrawRun(int command, const uint16_t* payload, uint8_t* at, uint8_t* leftmost, int n) {
    constexpr int step = kMirror ? -T::kBytes : T::kBytes;
    switch (command) {
        case kCopy:
            if (kMirror) {
                ApplyEachSource(at, payload, n, step, [](uint16_t p) { return T::MakeOpaque(p); });
            } else {
                T::CopyForward(at, payload, n);
            }
            break;
        case kBlend:
            ApplyEachSource(at, payload, n, step, [](uint16_t p) { return T::MakeAlpha(p); });
            break;
        case kScreen:
            ApplyEachSource(at, payload, n, step, [](uint16_t p) { return T::MakeScreen(p); });
            break;
        case kFill:
            T::Fill(leftmost, *payload, n);
            break;
        case kBlendFill:
            ApplyToRun(leftmost, n, T::kBytes, T::MakeAlpha(*payload));
            break;
        case kScreenFill:
            ApplyToRun(leftmost, n, T::kBytes, T::MakeScreen(*payload));
            break;
        default:
            break;  // skips and unknown commands draw nothing
    }
}

// One encoded row starting at device column x (mirrored: writing leftwards).
template <class T, bool kMirror>
void DrawRow(const uint16_t* w, uint8_t* row, int x, int width) {
    for (;;) {
        const uint16_t word = *w++;
        const int command = CommandOf(word);
        if (command == kEnd) return;
        const int n = CountOf(word);
        // Pixels lo..hi-1 of the run land on the surface.
        const int lo = kMirror ? std::max(0, x - width + 1) : std::max(0, -x);
        const int hi = kMirror ? std::min(n, x + 1) : std::min(n, width - x);
        if (lo < hi) {
            const int first = kMirror ? x - lo : x + lo;
            const int left = kMirror ? x - hi + 1 : first;
            DrawRun<T, kMirror>(command, w + (IsLiteral(command) ? lo : 0), row + first * T::kBytes,
                                row + left * T::kBytes, hi - lo);
        }
        w += PayloadWords(command, n);
        x += kMirror ? -n : n;
        if (kMirror ? x < 0 : x >= width) return;  // the rest of the row is off the surface
    }
}

template <class T>
void DrawRows(const SpriteRows& s, const SurfaceDesc& target, int64_t column, int64_t row,
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
    // Encoded row i goes to device row base + i * direction.
    const int64_t base = mirrorColumns ? top + s.boxHeight - 1 : top;
    const int direction = mirrorColumns ? -1 : 1;
    const int64_t firstVisible = mirrorColumns ? base - (target.height - 1) : -base;
    const int64_t endVisible = mirrorColumns ? base + 1 : target.height - base;
    const int first = static_cast<int>(std::max<int64_t>(0, firstVisible));
    const int end = static_cast<int>(std::min<int64_t>(s.rowCount, endVisible));
    for (int i = first; i < end; ++i) {
        uint8_t* device = target.At(0, static_cast<int>(base + int64_t{i} * direction));
        const uint16_t* words = s.words + s.rowStarts[i];
        if (mirrorRows) {
            DrawRow<T, true>(words, device, startX, target.width);
        } else {
            DrawRow<T, false>(words, device, startX, target.width);
        }
    }
}

}  // namespace

void DrawSpriteRows(const SpriteRows& sprite, const SurfaceDesc& target, int bitsPerPixel,
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
