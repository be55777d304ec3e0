#include "core/save_chunks.h"

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/save_damage.h"

namespace cv {

void SaveCorrupted(const std::string& detail) {
    throw DamagedSave("Invalid  format or save corrupted: " + detail);
}

void ChunkWriter::BeginChunk(const std::string& tag) {
    starts_.push_back(out_.Tell());
    std::string four = (tag + "    ").substr(0, 4);
    out_.Write(four.data(), 4);
    U32(0);
    U32(0);  // version
}

void ChunkWriter::EndChunk() {
    int64_t start = starts_.back();
    starts_.pop_back();
    int64_t end = out_.Tell();
    out_.Seek(start + 4);
    U32(static_cast<uint32_t>(end - start - 8));
    out_.Seek(end);
}

void ChunkWriter::U16(uint16_t v) {
    WriteU16(out_, v);
}

void ChunkWriter::U32(uint32_t v) {
    WriteU32(out_, v);
}

void ChunkWriter::StoredString(const std::string& text) {
    if (text.size() > kMaxStoredString) {
        FatalError("Stored string longer than %zu bytes: %s", kMaxStoredString, text.c_str());
    }
    U16(static_cast<uint16_t>(text.size()));
    Bytes(text.data(), text.size());
}

ChunkReader::ChunkReader(Stream& in) : in_(in) {
    ends_.push_back(in.Size());
}

void ChunkReader::Corrupted(const std::string& detail) const {
    SaveCorrupted(detail);
}

int64_t ChunkReader::Remaining() const {
    return ends_.back() - in_.Tell();
}

void ChunkReader::Need(int64_t n) const {
    if (n < 0 || n > Remaining()) Corrupted("Data ends inside a record");
}

uint32_t ChunkReader::ReadChunkHeader(const std::string& tag, const std::string& detail,
                                      const std::string& objectName) {
    if (Remaining() < 12) Corrupted(detail);
    char found[4];
    in_.Read(found, 4);
    if (std::string(found, 4) != (tag + "    ").substr(0, 4)) Corrupted(detail);
    uint32_t length = ReadU32(in_);
    if (length < 4 || length > static_cast<uint64_t>(Remaining())) {
        Corrupted("Chunk " + tag + " does not fit in its place");
    }
    ends_.push_back(in_.Tell() + length);
    uint32_t version = ReadU32(in_);
    if (version != 0) throw DamagedSave(InvalidVersion(version, objectName));
    return version;
}

void ChunkReader::EndChunk() {
    if (ends_.size() < 2) return;
    in_.Seek(ends_.back());
    ends_.pop_back();
}

uint8_t ChunkReader::U8() {
    Need(1);
    uint8_t v;
    in_.Read(&v, 1);
    return v;
}

uint16_t ChunkReader::U16() {
    Need(2);
    return ReadU16(in_);
}

uint32_t ChunkReader::U32() {
    Need(4);
    return ReadU32(in_);
}

void ChunkReader::Bytes(void* out, size_t n) {
    Need(static_cast<int64_t>(n));
    if (n) in_.Read(out, n);
}

std::string ChunkReader::StoredString() {
    uint16_t length = U16();
    if (length > kMaxStoredString) Corrupted("Stored string too long");
    std::string text(length, '\0');
    Bytes(text.data(), length);
    return text;
}

uint32_t ChunkReader::Count(size_t recordSize) {
    uint32_t count = U32();
    if (recordSize > 0 && count > static_cast<uint64_t>(Remaining()) / recordSize) {
        Corrupted("Record count does not fit");
    }
    return count;
}

}  // namespace cv
