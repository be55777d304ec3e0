#include "gfx/sprite_compile.h"

#include <cstddef>
#include <cstdint>

#include "gfx/sprite_format.h"

namespace cv {

using namespace sprite_format;

namespace {

// Fills up to this long are cheaper drawn along with their neighbours than
// as a run of their own.
constexpr int kLongestSpelledFill = 32;

int LiteralOf(int fill) {
    return fill == kFill ? kCopy : fill == kBlendFill ? kBlend : kScreen;
}

// Appends the runs of one row, merging where the drawing allows.
class RowCompiler {
public:
    RowCompiler(CompiledSprite& out, int row) : out_(out), rowStart_(out.runs.size()), row_(row) {}

    void Add(int command, int count, const uint16_t* payload) {
        if (command == kSkip || command > kScreenFill) {
            column_ += count;  // draws nothing, moves on
        } else if (!IsLiteral(command) && count <= kLongestSpelledFill) {
            Append(LiteralOf(command), count);
            out_.pixels.insert(out_.pixels.end(), count, *payload);
        } else {
            Append(command, count);
            out_.pixels.insert(out_.pixels.end(), payload, payload + PayloadWords(command, count));
        }
    }

private:
    // A literal right after a literal of its kind joins it.
    void Append(int command, int count) {
        SpriteRun* last = out_.runs.size() > rowStart_ ? &out_.runs.back() : nullptr;
        const bool joins =
            last && last->command == command && IsLiteral(command) && last->end == column_;
        if (!joins) {
            const int64_t base = static_cast<int64_t>(out_.pixels.size()) - column_;
            out_.runs.push_back({static_cast<int32_t>(base), static_cast<uint16_t>(column_),
                                 static_cast<uint16_t>(column_), static_cast<uint16_t>(row_),
                                 static_cast<uint8_t>(command)});
            last = &out_.runs.back();
        }
        column_ += count;
        last->end = static_cast<uint16_t>(column_);
    }

    CompiledSprite& out_;
    size_t rowStart_;
    int row_;
    int column_ = 0;  // at most the box width, which is 16 bits
};

bool CompileRows(const std::vector<uint16_t>& w, CompiledSprite& out) {
    out = CompiledSprite{{}, {}, {}, w[kWidth], w[kBoxX], w[kBoxY], w[kBoxWidth], w[kBoxHeight]};
    if (out.boxX + out.boxWidth > w[kWidth] || out.boxY + out.boxHeight > w[kHeight]) return false;
    const size_t size = w.size();
    if (size > size_t{INT32_MAX} - kPixelSlack) return false;  // runs index pixels by int32
    size_t at = kHeaderWords;
    out.rowRuns.push_back(0);
    for (int row = 0; row < out.boxHeight; ++row) {
        RowCompiler compiler(out, row);
        for (int covered = 0;;) {
            if (at >= size) return false;
            const uint16_t word = w[at++];
            const int command = CommandOf(word), count = CountOf(word);
            if (command == kEnd) {
                out.rowRuns.push_back(static_cast<uint32_t>(out.runs.size()));
                if (word == kEndOfSprite) return true;  // the rows left are empty
                break;
            }
            covered += count;
            const size_t payload = PayloadWords(command, count);
            if (covered > out.boxWidth || payload > size - at) return false;
            compiler.Add(command, count, w.data() + at);
            at += payload;
        }
    }
    // Every row of the box is there: the end of the sprite must follow.
    return at < size && w[at] == kEndOfSprite;
}

}  // namespace

bool CompileSprite(const std::vector<uint16_t>& w, CompiledSprite& out) {
    if (!CompileRows(w, out)) return false;
    out.pixels.resize(out.pixels.size() + kPixelSlack);
    return true;
}

}  // namespace cv
