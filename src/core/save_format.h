#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/memory_stream.h"

namespace cv {

// A saved game: a 48-byte header, the language file name as a stored string,
// the info block (descriptive records), then the game data: the chunk stream,
// normally as its 32-bit length followed by a zlib stream.
constexpr size_t kSaveHeaderSize = 48;
constexpr uint32_t kSaveVersion = 1;
constexpr uint32_t kSaveDataCompressed = 1;  // flag bit 0

struct SaveHeader {
    uint32_t version = kSaveVersion;
    uint32_t totalLength = 0;
    uint32_t infoOffset = 0;
    uint32_t infoLength = 0;
    uint32_t dataOffset = 0;
    uint32_t dataLength = 0;  // as stored
    uint32_t flags = kSaveDataCompressed;
    uint32_t date = 0;  // year * 65536 + (month - 1) * 256 + (day - 1)
    uint32_t time = 0;  // hour * 256 + minute
};

// Writes the 12-byte tag "CVSave" (zero-filled) and every field.
void WriteSaveHeader(Stream& out, const SaveHeader& header);

// One info record: key bytes, value in UTF-16 (each at most 65535 long).
struct SaveInfoRecord {
    std::string key;
    std::u16string value;
};
void WriteSaveInfoRecord(Stream& out, const SaveInfoRecord& record);

// Reads a save file. Whatever lies outside the file (or a record outside its
// block), a game data stream that does not unpack whole, and a file that
// cannot be opened or read throw DamagedSave: "Invalid  format or save
// corrupted: " and a detail naming the file, or the stream's own error. The
// header's tag is not examined.
class SaveFileReader {
public:
    // A save held in memory.
    SaveFileReader(const std::string& bytes, std::string path);
    // A save read from `file` piece by piece: the header at once, every other
    // part only when asked for, so the load list never reads the game data.
    SaveFileReader(Ref<Stream> file, std::string path);
    ~SaveFileReader();
    SaveFileReader(const SaveFileReader&) = delete;
    SaveFileReader& operator=(const SaveFileReader&) = delete;

    const SaveHeader& header() const { return header_; }
    // The language file name in use when the game was saved.
    std::string LanguageFile() const;
    std::vector<SaveInfoRecord> InfoRecords() const;
    // The chunk stream, unpacked when the compressed flag is set.
    Ref<MemoryStream> GameData() const;

private:
    // "Invalid  format or save corrupted: <what> in <path>".
    std::string Failure(const std::string& what) const;
    [[noreturn]] void Corrupted(const std::string& what) const;
    // Fails unless [offset, offset + length) lies inside the file.
    void CheckBlock(uint32_t offset, uint32_t length, const char* what) const;
    // The bytes at [offset, offset + length), already known to lie inside the file.
    std::string Block(uint64_t offset, uint64_t length) const;
    std::vector<SaveInfoRecord> RecordsIn(const std::string& block) const;

    Ref<Stream> file_;
    uint64_t size_ = 0;
    std::string path_;
    SaveHeader header_;
};

}  // namespace cv
