#pragma once

#include <cstdint>
#include <vector>

namespace cv {

// A sprite's words recompiled for drawing. Each encoded row is a list of
// records: a command word (copy, blend, fill, blend fill, screen or screen
// fill), a count word (1 to 65535), a gap word (pixels skipped before the
// run) and the command's payload; a kEnd record with count and gap 0 closes
// the row. Skips (and commands 8 to 15, which draw nothing) become gaps,
// opaque stretches are one copy (short fills inside them spelled out), so
// that drawing takes one step per visible stretch. The file's words stay as
// they are.
struct CompiledSprite {
    std::vector<uint16_t> records;
    std::vector<uint32_t> rowStarts;  // rows up to the end of the sprite
    int width = 0;
    int boxX = 0, boxY = 0, boxWidth = 0, boxHeight = 0;
};

// False when the words do not hold a sound sprite: a box larger than the
// picture, a row covering more than the box, rows or payloads running past
// the data, more rows than the box, or no end of sprite.
bool CompileSprite(const std::vector<uint16_t>& words, CompiledSprite& out);

}  // namespace cv
