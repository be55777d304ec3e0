#include "gfx/sprite_compile.h"

#include <cstddef>

#include "gfx/sprite_format.h"

namespace cv {

using namespace sprite_format;

namespace {

// Fills up to this long are cheaper copied along with their neighbours than
// drawn as a run of their own.
constexpr int kLongestSpelledFill = 32;

// Appends the records of one row, merging where the drawing allows.
class RowCompiler {
public:
    explicit RowCompiler(std::vector<uint16_t>& out) : out_(out) {}

    void Add(int command, int count, const uint16_t* payload) {
        if (command == kSkip || command > kScreenFill) {
            gap_ += count;  // draws nothing, moves on
        } else if (command == kFill && count <= kLongestSpelledFill) {
            for (int i = 0; i < count; ++i) Append(kCopy, 1, payload);
        } else {
            Append(command, count, payload);
        }
    }
    // Three words like every record header, so that drawing reads them alike.
    void End() { out_.insert(out_.end(), {uint16_t{kEnd}, uint16_t{0}, uint16_t{0}}); }

private:
    // A literal right after a literal of its kind joins it.
    void Append(int command, int count, const uint16_t* payload) {
        const bool joins =
            last_ != kNone && gap_ == 0 && out_[last_] == command && IsLiteral(command);
        if (!joins) {
            last_ = out_.size();
            out_.insert(out_.end(),
                        {static_cast<uint16_t>(command), uint16_t{0}, static_cast<uint16_t>(gap_)});
            gap_ = 0;
        }
        out_[last_ + 1] = static_cast<uint16_t>(out_[last_ + 1] + count);
        out_.insert(out_.end(), payload, payload + PayloadWords(command, count));
    }

    static constexpr size_t kNone = ~size_t{0};
    std::vector<uint16_t>& out_;
    size_t last_ = kNone;
    int gap_ = 0;  // at most the box width, which is 16 bits
};

}  // namespace

bool CompileSprite(const std::vector<uint16_t>& w, CompiledSprite& out) {
    out = CompiledSprite{{}, {}, w[kWidth], w[kBoxX], w[kBoxY], w[kBoxWidth], w[kBoxHeight]};
    if (out.boxX + out.boxWidth > w[kWidth] || out.boxY + out.boxHeight > w[kHeight]) return false;
    const size_t size = w.size();
    size_t at = kHeaderWords;
    for (int row = 0; row < out.boxHeight; ++row) {
        out.rowStarts.push_back(static_cast<uint32_t>(out.records.size()));
        RowCompiler compiler(out.records);
        for (int covered = 0;;) {
            if (at >= size) return false;
            const uint16_t word = w[at++];
            const int command = CommandOf(word), count = CountOf(word);
            if (command == kEnd) {
                compiler.End();
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

}  // namespace cv
