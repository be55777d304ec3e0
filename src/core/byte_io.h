#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/stream.h"

namespace cv {

// Little-endian reads from a block of memory. Reading past the end ends the
// program with `failure` (a message naming the data), never reads outside.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size, std::string failure)
        : data_(data), size_(size), failure_(std::move(failure)) {}
    ByteReader(const std::string& bytes, std::string failure)
        : ByteReader(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                     std::move(failure)) {}

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    void Bytes(void* out, size_t n);
    std::string Text(size_t n);
    void Skip(size_t n);
    void Seek(size_t position);

    size_t position() const { return position_; }
    size_t size() const { return size_; }
    size_t remaining() const { return size_ - position_; }
    const uint8_t* data() const { return data_; }
    // Fails unless n more bytes are there.
    void Need(size_t n) const;
    [[noreturn]] void Fail() const;

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    std::string failure_;
};

// Little-endian values appended to a byte vector.
class ByteWriter {
public:
    void U8(uint8_t v) { bytes_.push_back(v); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(const void* data, size_t n);
    // Overwrites 4 bytes at an earlier position.
    void PatchU32(size_t position, uint32_t v);

    std::vector<uint8_t>& bytes() { return bytes_; }
    size_t size() const { return bytes_.size(); }

private:
    std::vector<uint8_t> bytes_;
};

// The little-endian value at `p`; the caller has checked the 4 bytes are there.
inline uint32_t LoadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// Little-endian values read from and written to a stream at its position.
uint16_t ReadU16(Stream& stream);
uint32_t ReadU32(Stream& stream);
int32_t ReadI32(Stream& stream);
void WriteU16(Stream& stream, uint16_t v);
void WriteU32(Stream& stream, uint32_t v);
void WriteI32(Stream& stream, int32_t v);

}  // namespace cv
