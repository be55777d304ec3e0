#include "gfx/sprite_draw.h"

#include <algorithm>

#include "gfx/blend_tables.h"
#include "gfx/sprite_format.h"
#include "gfx/sprite_pixels.h"

namespace cv {

using namespace sprite_format;
using namespace sprite_pixels;

namespace {

// Where one drawing puts the box: box column c of encoded row i lands at
// origin + i x rowStep + c pixels (mirrored: - c pixels). The sums are
// taken as integers, as the box may start off the surface; only pixels on
// it are drawn. Box columns [first, end) lie on the surface, and `room`
// columns from box column 0 on come before its right edge.
template <class T, bool kMirror>
struct Placement {
    uintptr_t origin;
    intptr_t rowStep;
    int first, end, room;

    uint8_t* At(int row, int column) const {
        const intptr_t offset = row * rowStep + (kMirror ? -column : column) * intptr_t{T::kBytes};
        return reinterpret_cast<uint8_t*>(origin + static_cast<uintptr_t>(offset));
    }
};

// Box columns [from, from + n) of any run, pixel by pixel; `at` is where box
// column `from` lands.
template <class T, bool kMirror>
[[gnu::noinline]] void DrawPixels(T t, const SpriteRun& run, const uint16_t* pixels, int from,
                                  int n, uint8_t* at) {
    constexpr int step = kMirror ? -T::kBytes : T::kBytes;
    const uint16_t* literal = pixels + (run.base + from);
    const uint16_t fill = pixels[run.base + run.column];
    uint8_t* left = kMirror ? at - (n - 1) * T::kBytes : at;  // fills go rightwards
    switch (run.command) {
        case kCopy:
            for (int i = 0; i < n; ++i, at += step) t.Opaque(literal[i])(at);
            break;
        case kBlend:
            for (int i = 0; i < n; ++i, at += step) t.Alpha(literal[i])(at);
            break;
        case kScreen:
            for (int i = 0; i < n; ++i, at += step) t.Screen(literal[i])(at);
            break;
        case kFill:
            t.Fill(left, fill, n);
            break;
        case kBlendFill: {
            const auto mix = t.Alpha(fill);
            for (int i = 0; i < n; ++i, left += T::kBytes) mix(left);
            break;
        }
        case kScreenFill: {
            const auto mix = t.Screen(fill);
            for (int i = 0; i < n; ++i, left += T::kBytes) mix(left);
            break;
        }
        default:
            break;
    }
}

// Box columns [from, to) of a run. Literal runs drawn rightwards, by far the
// most common, take the short way.
template <class T, bool kMirror>
[[gnu::always_inline]] inline void DrawRun(T t, const SpriteRun& run, const uint16_t* pixels,
                                           int from, int to, const Placement<T, kMirror>& p) {
    uint8_t* at = p.At(run.row, from);
    if (!kMirror && run.command == kCopy) {
        t.Copy(at, pixels + (run.base + from), to - from);
    } else if (!kMirror && run.command == kBlend) {
        t.Blend(at, pixels + (run.base + from), to - from, p.room - from);
    } else if (!kMirror && run.command == kScreen) {
        t.Lighten(at, pixels + (run.base + from), to - from, p.room - from);
    } else {
        DrawPixels<T, kMirror>(t, run, pixels, from, to - from, at);
    }
}

// The runs of the rows on the surface, one after the other: each knows its
// row, so that there is no loop over rows. Without kClip every box column is
// on the surface. Each kind of loop is a function of its own, so that its
// registers go to its own work.
template <class T, bool kMirror, bool kClip>
[[gnu::noinline]] void DrawRuns(T t, const SpriteRun* run, const SpriteRun* last,
                                const uint16_t* pixels, const Placement<T, kMirror>& placement) {
    const Placement<T, kMirror> p = placement;  // in registers, not reloaded after each store
    for (; run != last; ++run) {
        int from = run->column, to = run->end;
        if constexpr (kClip) {
            from = std::max(from, p.first);
            to = std::min(to, p.end);
            if (from >= to) continue;
        }
        DrawRun<T, kMirror>(t, *run, pixels, from, to, p);
    }
}

// The runs of encoded rows [first, end).
template <class T, bool kMirror>
void DrawRowsOf(const CompiledSprite& s, int first, int end, Placement<T, kMirror> p) {
    const T t{&TheBlendTables()};
    const SpriteRun* runs = s.runs.data();
    const uint32_t *from = s.rowRuns.data() + first, *to = s.rowRuns.data() + end;
    if (p.first > 0 || p.end < s.boxWidth) {
        DrawRuns<T, kMirror, true>(t, runs + *from, runs + *to, s.pixels.data(), p);
    } else {
        DrawRuns<T, kMirror, false>(t, runs + *from, runs + *to, s.pixels.data(), p);
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
    // Within these bounds every column and row fits an int. Box column 0
    // lands on device column `origin`, encoded row 0 on device row `base`.
    const int64_t origin = mirrorRows ? left + s.boxWidth - 1 : left;
    const int64_t base = mirrorColumns ? top + s.boxHeight - 1 : top;
    const int direction = mirrorColumns ? -1 : 1;
    const int first =
        static_cast<int>(std::max<int64_t>(0, mirrorColumns ? base - (target.height - 1) : -base));
    const int end = static_cast<int>(
        std::min<int64_t>(s.rows(), mirrorColumns ? base + 1 : target.height - base));
    if (first >= end) return;
    const int onLeft = static_cast<int>(std::max<int64_t>(0, -left));
    const int onRight = static_cast<int>(std::max<int64_t>(0, left + s.boxWidth - target.width));
    const uintptr_t address = reinterpret_cast<uintptr_t>(target.row0) +
                              static_cast<uintptr_t>(base * target.pitch + origin * T::kBytes);
    const intptr_t rowStep = intptr_t{target.pitch} * direction;
    const int room = static_cast<int>(target.width - origin);
    if (mirrorRows) {
        DrawRowsOf<T, true>(s, first, end, {address, rowStep, onRight, s.boxWidth - onLeft, room});
    } else {
        DrawRowsOf<T, false>(s, first, end, {address, rowStep, onLeft, s.boxWidth - onRight, room});
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
