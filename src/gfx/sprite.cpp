#include "gfx/sprite.h"

#include <cstring>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "gfx/graphics_device.h"
#include "gfx/sprite_build.h"
#include "gfx/sprite_draw.h"
#include "gfx/sprite_format.h"

namespace cv {

using namespace sprite_format;

namespace {

constexpr char kMark[4] = {'S', '1', '6', '\0'};

}  // namespace

void Sprite::build(ISurface& surface, int mode) {
    SurfaceLock lock(&surface);
    setWords(EncodeSprite(lock.desc(), mode), "built sprite");
}

Size Sprite::getSize() const {
    if (words_.size() < kHeaderWords) return {};
    return {words_[kHeight], words_[kWidth]};
}

Rect Sprite::getBounds() const {
    if (words_.size() < kHeaderWords) return {};
    const int boxRows = words_[kBoxHeight];
    return {words_[kHeight] - boxRows - words_[kBoxY], words_[kBoxX], boxRows, words_[kBoxWidth]};
}

void Sprite::load(Stream& stream) {
    const std::string name = stream.Name();
    const std::string bytes = ReadAll(stream);
    if (bytes.size() < sizeof kMark || std::memcmp(bytes.data(), kMark, sizeof kMark) != 0 ||
        bytes.size() % 2 != 0) {
        FatalError("Invalid RLE sprite format in %s", name.c_str());
    }
    ByteReader reader(bytes, "Invalid RLE sprite format in " + name);
    reader.Skip(sizeof kMark);
    std::vector<uint16_t> words(reader.remaining() / 2);
    for (uint16_t& word : words) word = reader.U16();
    setWords(std::move(words), name);
}

void Sprite::save(Stream& stream) const {
    ByteWriter out;
    out.Bytes(kMark, sizeof kMark);
    for (uint16_t word : words_) out.U16(word);
    stream.Write(out.bytes().data(), out.size());
}

void Sprite::setWords(std::vector<uint16_t> words, const std::string& name) {
    words_ = std::move(words);
    rowStarts_.clear();
    if (words_.size() >= kHeaderWords) IndexRows(name);
}

void Sprite::IndexRows(const std::string& name) {
    auto fail = [&] {
        words_.clear();
        rowStarts_.clear();
        FatalError("Invalid RLE sprite format in %s", name.c_str());
    };
    const size_t size = words_.size();
    const int boxWidth = words_[kBoxWidth], boxRows = words_[kBoxHeight];
    if (words_[kBoxX] + boxWidth > words_[kWidth] || words_[kBoxY] + boxRows > words_[kHeight]) {
        fail();
    }
    size_t at = kHeaderWords;
    for (int row = 0; row < boxRows; ++row) {
        rowStarts_.push_back(static_cast<uint32_t>(at));
        for (int covered = 0;;) {
            if (at >= size) fail();
            const uint16_t word = words_[at++];
            const int command = CommandOf(word), count = CountOf(word);
            if (word == kEndOfSprite) return;  // the rows left are empty
            if (command == kEnd) break;
            covered += count;
            at += PayloadWords(command, count);
            if (covered > boxWidth || at > size) fail();
        }
    }
    // Every row of the box is there: the end of the sprite must follow.
    if (at >= size || words_[at] != kEndOfSprite) fail();
}

void Sprite::draw(Point point, int mode) {
    IGraphicsDevice* device = GraphicsDevice();
    Ref<ISurface> screen = device ? device->getScreenSurface() : nullptr;
    if (!screen || words_.size() < kHeaderWords) return;
    // Logical column x + k shows stored row H - 1 - k; logical row y + c
    // shows stored column c.
    const int64_t row = int64_t{screen->getSize().height} - point.x - words_[kHeight];
    drawOnto(*screen, point.y, row, mode);
}

void Sprite::drawOnto(ISurface& surface, int64_t column, int64_t row, int mode) const {
    if (words_.size() < kHeaderWords) return;
    SpriteRows rows{words_.data(),     rowStarts_.data(), static_cast<int>(rowStarts_.size()),
                    words_[kWidth],    words_[kBoxX],     words_[kBoxY],
                    words_[kBoxWidth], words_[kBoxHeight]};
    SurfaceLock lock(&surface);
    DrawSpriteRows(rows, lock.desc(), surface.getBitsPerPixel(), column, row, mode);
}

}  // namespace cv
