#include "gfx/sprite.h"

#include <cstring>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "gfx/graphics_device.h"
#include "gfx/sprite_build.h"
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
    compiled_ = {};
    if (words_.size() >= kHeaderWords && !CompileSprite(words_, compiled_)) {
        words_.clear();
        compiled_ = {};
        FatalError("Invalid RLE sprite format in %s", name.c_str());
    }
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
    if (compiled_.runs.empty()) return;  // nothing visible
    SurfaceLock lock(&surface);
    DrawSpriteRows(compiled_, lock.desc(), surface.getBitsPerPixel(), column, row, mode);
}

}  // namespace cv
