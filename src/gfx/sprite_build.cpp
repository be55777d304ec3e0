#include "gfx/sprite_build.h"

#include <algorithm>

#include "core/fatal_error.h"
#include "gfx/sprite.h"
#include "gfx/sprite_format.h"

namespace cv {

using namespace sprite_format;

namespace {

enum PixelClass { kClear, kOpaque, kTranslucent };

struct StoredPixel {
    PixelClass kind = kClear;
    uint16_t value = 0;
};

uint16_t To565(const uint8_t* bgr) {
    return static_cast<uint16_t>((bgr[2] & 0xF8) << 8 | (bgr[1] & 0xFC) << 3 | bgr[0] >> 3);
}

uint16_t To4444(const uint8_t* bgra) {
    return static_cast<uint16_t>((bgra[3] >> 4) << 12 | (bgra[2] >> 4) << 8 | (bgra[1] >> 4) << 4 |
                                 bgra[0] >> 4);
}

StoredPixel Classify(const uint8_t* at, int mode) {
    if (mode == kBuildOpaque) return {kOpaque, To565(at)};
    if (mode == kBuildScreen) {
        const uint16_t p = To565(at);
        return {p == 0 ? kClear : kOpaque, p};
    }
    switch (at[3] >> 4) {
        case 0:
            return {};
        case 15:
            return {kOpaque, To565(at)};
        default:
            return {kTranslucent, To4444(at)};
    }
}

// Writes the runs of one row.
class RowEncoder {
public:
    RowEncoder(std::vector<uint16_t>& out, int mode) : out_(out), mode_(mode) {}

    // The pixels of one row of the box.
    void Encode(const std::vector<StoredPixel>& row) {
        for (size_t i = 0; i < row.size();) {
            size_t j = i;
            while (j < row.size() && row[j].kind == row[i].kind) ++j;
            if (row[i].kind != kClear) {
                EncodeVisible(row, i, j);
            } else if (j < row.size()) {
                // A clear stretch reaching the end of the row is left out.
                Emit(kSkip, j - i, nullptr);
            }
            i = j;
        }
    }

private:
    // Runs of 4 or more equal pixels become fills, the rest literals.
    void EncodeVisible(const std::vector<StoredPixel>& row, size_t begin, size_t end) {
        const bool translucent = row[begin].kind == kTranslucent;
        const int literal = translucent ? kBlend : mode_ == kBuildScreen ? kScreen : kCopy;
        const int fill = translucent ? kBlendFill : mode_ == kBuildScreen ? kScreenFill : kFill;
        size_t literalStart = begin;
        for (size_t k = begin; k < end;) {
            size_t m = k;
            while (m < end && row[m].value == row[k].value) ++m;
            if (m - k >= 4) {
                EmitLiteral(literal, row, literalStart, k);
                while (m - k >= 4) {
                    const size_t n = std::min<size_t>(m - k, kMaxRun);
                    Emit(fill, n, &row[k]);
                    k += n;
                }
                literalStart = k;  // fewer than 4 left over start the next literal
            }
            k = m;
        }
        EmitLiteral(literal, row, literalStart, end);
    }

    void EmitLiteral(int command, const std::vector<StoredPixel>& row, size_t begin, size_t end) {
        for (size_t at = begin; at < end; at += kMaxRun) {
            const size_t n = std::min<size_t>(end - at, kMaxRun);
            out_.push_back(CommandWord(command, static_cast<int>(n)));
            for (size_t i = 0; i < n; ++i) out_.push_back(row[at + i].value);
        }
    }

    // Skips and fills: one word a run of up to 4096 pixels (and the fill pixel).
    void Emit(int command, size_t count, const StoredPixel* pixel) {
        for (; count > 0;) {
            const size_t n = std::min<size_t>(count, kMaxRun);
            out_.push_back(CommandWord(command, static_cast<int>(n)));
            if (pixel) out_.push_back(pixel->value);
            count -= n;
        }
    }

    std::vector<uint16_t>& out_;
    int mode_;
};

int CheckedMode(int mode, int bytesPerPixel) {
    if (mode == kBuildAlpha && bytesPerPixel == 3) mode = kBuildOpaque;
    if (mode == kBuildOpaque && bytesPerPixel == 4) mode = kBuildAlpha;
    const int bits = bytesPerPixel * 8;
    switch (mode) {
        case kBuildOpaque:
            if (bytesPerPixel != 3)
                FatalError("Invalid pixel format for plain sprite (%d bit/pix)", bits);
            return mode;
        case kBuildScreen:
            if (bytesPerPixel != 3 && bytesPerPixel != 4) {
                FatalError("Invalid pixel format for screen sprite (%d bit/pix)", bits);
            }
            return mode;
        default:
            if (bytesPerPixel != 4)
                FatalError("Invalid pixel format for alpha sprite (%d bit/pix)", bits);
            return kBuildAlpha;
    }
}

// The smallest rectangle holding every visible pixel; empty when none is.
Rect VisibleBox(const SurfaceDesc& s, int mode) {
    int left = s.width, top = s.height, right = -1, bottom = -1;
    for (int y = 0; y < s.height; ++y) {
        for (int x = 0; x < s.width; ++x) {
            if (Classify(s.At(x, y), mode).kind == kClear) continue;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

std::vector<uint16_t> EncodeSprite(const SurfaceDesc& s, int mode) {
    mode = CheckedMode(mode, s.bytesPerPixel);
    const Rect box = mode == kBuildOpaque ? Rect{0, 0, s.width, s.height} : VisibleBox(s, mode);
    std::vector<uint16_t> out;
    for (int field : {s.width, s.height, box.x, box.y, box.width, box.height,
                      mode == kBuildScreen ? kScreenKind : 0}) {
        out.push_back(static_cast<uint16_t>(field));
    }
    RowEncoder encoder(out, mode);
    std::vector<StoredPixel> row(box.width);
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int x = 0; x < box.width; ++x) row[x] = Classify(s.At(box.x + x, y), mode);
        encoder.Encode(row);
        // The last row of a box with transparency ends with the sprite.
        if (mode == kBuildOpaque || y + 1 < box.y + box.height) out.push_back(kEndOfRow);
    }
    out.push_back(kEndOfSprite);
    return out;
}

}  // namespace cv
