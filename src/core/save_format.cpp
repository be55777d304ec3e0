#include "core/save_format.h"

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/save_chunks.h"
#include "core/zlib_codec.h"

namespace cv {

void WriteSaveHeader(Stream& out, const SaveHeader& header) {
    const char tag[12] = "CVSave";
    out.Write(tag, sizeof tag);
    for (uint32_t field :
         {header.version, header.totalLength, header.infoOffset, header.infoLength,
          header.dataOffset, header.dataLength, header.flags, header.date, header.time}) {
        WriteU32(out, field);
    }
}

void WriteSaveInfoRecord(Stream& out, const SaveInfoRecord& record) {
    if (record.key.size() > UINT16_MAX || record.value.size() > UINT16_MAX) {
        FatalError("Save info record %s is too long", record.key.c_str());
    }
    WriteU16(out, static_cast<uint16_t>(record.key.size()));
    WriteU16(out, static_cast<uint16_t>(record.value.size()));
    out.Write(record.key.data(), record.key.size());
    if (record.key.size() % 2) out.Write("", 1);
    for (char16_t unit : record.value) WriteU16(out, unit);
}

SaveFileReader::SaveFileReader(std::string bytes, std::string path)
    : bytes_(std::move(bytes)), path_(std::move(path)) {
    if (bytes_.size() < kSaveHeaderSize) Corrupted("header cut short");
    const uint8_t* field = reinterpret_cast<const uint8_t*>(bytes_.data()) + 12;
    for (uint32_t* value :
         {&header_.version, &header_.totalLength, &header_.infoOffset, &header_.infoLength,
          &header_.dataOffset, &header_.dataLength, &header_.flags, &header_.date, &header_.time}) {
        *value = LoadU32(field);
        field += 4;
    }
}

std::string SaveFileReader::Failure(const std::string& what) const {
    return "Invalid  format or save corrupted: " + what + " in " + path_;
}

void SaveFileReader::Corrupted(const std::string& what) const {
    FatalError("%s", Failure(what).c_str());
}

void SaveFileReader::CheckBlock(uint32_t offset, uint32_t length, const char* what) const {
    if (uint64_t{offset} + length > bytes_.size())
        Corrupted(std::string(what) + " outside the file");
}

std::string SaveFileReader::LanguageFile() const {
    ByteReader in(bytes_, Failure("language name cut short"));
    in.Seek(kSaveHeaderSize);
    const uint16_t length = in.U16();
    if (length > kMaxStoredString) Corrupted("language name longer than 255 bytes");
    return in.Text(length);
}

std::vector<SaveInfoRecord> SaveFileReader::InfoRecords() const {
    CheckBlock(header_.infoOffset, header_.infoLength, "info block");
    ByteReader in(reinterpret_cast<const uint8_t*>(bytes_.data()) + header_.infoOffset,
                  header_.infoLength, Failure("info record past its block"));
    std::vector<SaveInfoRecord> records;
    while (in.remaining() > 0) {
        SaveInfoRecord record;
        const uint16_t keyLength = in.U16();
        const uint16_t valueLength = in.U16();
        record.key = in.Text(keyLength);
        if (keyLength % 2) in.Skip(1);
        in.Need(size_t{valueLength} * 2);
        for (uint16_t i = 0; i < valueLength; ++i) record.value += static_cast<char16_t>(in.U16());
        records.push_back(std::move(record));
    }
    return records;
}

Ref<MemoryStream> SaveFileReader::GameData() const {
    CheckBlock(header_.dataOffset, header_.dataLength, "game data");
    const uint8_t* stored = reinterpret_cast<const uint8_t*>(bytes_.data()) + header_.dataOffset;
    const std::string name = "Game data of " + path_;
    if (header_.flags & kSaveDataCompressed) {
        return UnpackBlock(stored, header_.dataLength, name,
                           "Invalid  format or save corrupted: game data of " + path_ + " ");
    }
    Ref<MemoryStream> data = MakeRef<MemoryStream>(name);
    data->Write(stored, header_.dataLength);
    data->Seek(0);
    return data;
}

}  // namespace cv
