#include "core/byte_io.h"

#include <cstring>

#include "core/fatal_error.h"

namespace cv {

void ByteReader::Fail() const { FatalError("%s", failure_.c_str()); }

void ByteReader::Need(size_t n) const {
    if (n > size_ - position_) Fail();
}

uint8_t ByteReader::U8() {
    Need(1);
    return data_[position_++];
}

uint16_t ByteReader::U16() {
    Need(2);
    uint16_t v = static_cast<uint16_t>(data_[position_] | data_[position_ + 1] << 8);
    position_ += 2;
    return v;
}

uint32_t ByteReader::U32() {
    Need(4);
    const uint8_t* p = data_ + position_;
    position_ += 4;
    return LoadU32(p);
}

void ByteReader::Bytes(void* out, size_t n) {
    Need(n);
    if (n) std::memcpy(out, data_ + position_, n);
    position_ += n;
}

std::string ByteReader::Text(size_t n) {
    Need(n);
    std::string text(reinterpret_cast<const char*>(data_ + position_), n);
    position_ += n;
    return text;
}

void ByteReader::Skip(size_t n) {
    Need(n);
    position_ += n;
}

void ByteReader::Seek(size_t position) {
    if (position > size_) Fail();
    position_ = position;
}

void ByteWriter::U16(uint16_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    bytes_.push_back(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::U32(uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(v >> shift));
}

void ByteWriter::Bytes(const void* data, size_t n) {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + n);
}

void ByteWriter::PatchU32(size_t position, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.at(position + i) = static_cast<uint8_t>(v >> (8 * i));
}

uint16_t ReadU16(Stream& stream) {
    uint8_t b[2];
    stream.Read(b, 2);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t ReadU32(Stream& stream) {
    uint8_t b[4];
    stream.Read(b, 4);
    return LoadU32(b);
}

int32_t ReadI32(Stream& stream) { return static_cast<int32_t>(ReadU32(stream)); }

void WriteU16(Stream& stream, uint16_t v) {
    uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    stream.Write(b, 2);
}

void WriteU32(Stream& stream, uint32_t v) {
    uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8),
                    static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 24)};
    stream.Write(b, 4);
}

void WriteI32(Stream& stream, int32_t v) { WriteU32(stream, static_cast<uint32_t>(v)); }

}  // namespace cv
