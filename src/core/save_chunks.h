#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/stream.h"

namespace cv {

// Writes tagged chunks: tag (4 characters), length of everything after the
// first 8 bytes, version 0, then the owner's fields. Chunks nest.
class ChunkWriter {
public:
    explicit ChunkWriter(Stream& out) : out_(out) {}

    void BeginChunk(const std::string& tag);
    // Goes back to fill in the length of the innermost open chunk.
    void EndChunk();

    void U8(uint8_t v) { out_.Write(&v, 1); }
    void U16(uint16_t v);
    void U32(uint32_t v);
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes(const void* data, size_t n) { out_.Write(data, n); }
    // 16-bit length, then the bytes; longer than 255 bytes is a program error.
    void StoredString(const std::string& text);
    Stream& stream() { return out_; }

private:
    Stream& out_;
    std::vector<int64_t> starts_;
};

// Reads what ChunkWriter wrote. Every read stays inside the innermost open
// chunk (and the chunk inside its parent); anything that does not fit throws
// DamagedSave with "Invalid  format or save corrupted: " and a detail.
class ChunkReader {
public:
    explicit ChunkReader(Stream& in);

    // Opens the next chunk. A different tag fails with `detail` ("Expected tag
    // HERO"); a version other than 0 with "Invalid object version %08X: " and
    // `objectName`. Returns the version.
    uint32_t ReadChunkHeader(const std::string& tag, const std::string& detail,
                             const std::string& objectName);
    // Skips what is left of the innermost chunk and closes it.
    void EndChunk();
    // Bytes left in the innermost chunk (or the stream).
    int64_t Remaining() const;

    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    void Bytes(void* out, size_t n);
    std::string StoredString();
    // A count of records each at least `recordSize` bytes long, checked
    // against what is left of the chunk.
    uint32_t Count(size_t recordSize);
    [[noreturn]] void Corrupted(const std::string& detail) const;

private:
    void Need(int64_t n) const;

    Stream& in_;
    std::vector<int64_t> ends_;
};

// Throws DamagedSave: "Invalid  format or save corrupted: " + detail.
[[noreturn]] void SaveCorrupted(const std::string& detail);

constexpr size_t kMaxStoredString = 255;

}  // namespace cv
