#pragma once

#include <cstdint>
#include <vector>

namespace cv {

// One stretch of an encoded row that draws: a copy, blend, fill, blend
// fill, screen or screen fill command (sprite_format.h) over box columns
// [column, end), counted from the left edge of the box. Literal commands
// find the pixel of box column c at pixels[base + c], fills their one pixel
// at pixels[base + column].
struct SpriteRun {
    int32_t base;
    uint16_t column, end;
    uint16_t row;  // the encoded row it belongs to
    uint8_t command;
};

// Spare words after the last run's pixels, so that drawing may read a run's
// pixels eight at a time.
constexpr int kPixelSlack = 7;

// A sprite's words recompiled for drawing: each encoded row is a list of
// runs, left to right, whose pixels lie apart from them. Skips (and commands
// 8 to 15, which draw nothing) leave gaps between runs; literals of one kind
// that touch are one run, short fills inside them spelled out, so that
// drawing takes one step per visible stretch and clipping finds the first
// visible run without reading pixels. The file's words stay as they are.
struct CompiledSprite {
    std::vector<SpriteRun> runs;
    std::vector<uint16_t> pixels;
    // Row i's runs are [rowRuns[i], rowRuns[i + 1]); rows up to the end of
    // the sprite.
    std::vector<uint32_t> rowRuns;
    int width = 0;
    int boxX = 0, boxY = 0, boxWidth = 0, boxHeight = 0;

    int rows() const { return rowRuns.empty() ? 0 : static_cast<int>(rowRuns.size()) - 1; }
};

// False when the words do not hold a sound sprite: a box larger than the
// picture, a row covering more than the box, rows or payloads running past
// the data, more rows than the box, no end of sprite, or more words than
// drawing can index (2^31).
bool CompileSprite(const std::vector<uint16_t>& words, CompiledSprite& out);

}  // namespace cv
