#include "core/save_format.h"

#include <algorithm>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/save_chunks.h"
#include "core/save_damage.h"
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

namespace {

Ref<Stream> InMemory(const std::string& bytes, const std::string& path) {
    Ref<MemoryStream> memory = MakeRef<MemoryStream>(path);
    memory->Write(bytes.data(), bytes.size());
    return memory;
}

}  // namespace

SaveFileReader::SaveFileReader(const std::string& bytes, std::string path)
    : SaveFileReader(InMemory(bytes, path), path) {}

SaveFileReader::SaveFileReader(Ref<Stream> file, std::string path)
    : file_(std::move(file)), path_(std::move(path)) {
    size_ = ReadingSave([this] {
        file_->Open();
        return static_cast<uint64_t>(file_->Size());
    });
    if (size_ < kSaveHeaderSize) Corrupted("header cut short");
    const std::string head = Block(0, kSaveHeaderSize);
    const uint8_t* field = reinterpret_cast<const uint8_t*>(head.data()) + 12;
    for (uint32_t* value :
         {&header_.version, &header_.totalLength, &header_.infoOffset, &header_.infoLength,
          &header_.dataOffset, &header_.dataLength, &header_.flags, &header_.date, &header_.time}) {
        *value = LoadU32(field);
        field += 4;
    }
}

SaveFileReader::~SaveFileReader() {
    file_->Close();
}

std::string SaveFileReader::Failure(const std::string& what) const {
    return "Invalid  format or save corrupted: " + what + " in " + path_;
}

void SaveFileReader::Corrupted(const std::string& what) const {
    throw DamagedSave(Failure(what));
}

void SaveFileReader::CheckBlock(uint32_t offset, uint32_t length, const char* what) const {
    if (uint64_t{offset} + length > size_) Corrupted(std::string(what) + " outside the file");
}

std::string SaveFileReader::Block(uint64_t offset, uint64_t length) const {
    return ReadingSave([&] {
        std::string bytes(static_cast<size_t>(length), '\0');
        file_->Seek(static_cast<int64_t>(offset));
        if (length > 0) file_->Read(bytes.data(), bytes.size());
        return bytes;
    });
}

std::string SaveFileReader::LanguageFile() const {
    // The longest stored string there can be, or what the file has of it.
    const uint64_t span = std::min<uint64_t>(size_ - kSaveHeaderSize, 2 + kMaxStoredString);
    const std::string stored = Block(kSaveHeaderSize, span);
    return ReadingSave([&] {
        ByteReader in(stored, Failure("language name cut short"));
        const uint16_t length = in.U16();
        if (length > kMaxStoredString) Corrupted("language name longer than 255 bytes");
        return in.Text(length);
    });
}

std::vector<SaveInfoRecord> SaveFileReader::InfoRecords() const {
    CheckBlock(header_.infoOffset, header_.infoLength, "info block");
    const std::string block = Block(header_.infoOffset, header_.infoLength);
    return ReadingSave([&] { return RecordsIn(block); });
}

std::vector<SaveInfoRecord> SaveFileReader::RecordsIn(const std::string& block) const {
    ByteReader in(block, Failure("info record past its block"));
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
    const std::string stored = Block(header_.dataOffset, header_.dataLength);
    const std::string name = "Game data of " + path_;
    if (header_.flags & kSaveDataCompressed) {
        return ReadingSave([&] {
            return UnpackBlock(reinterpret_cast<const uint8_t*>(stored.data()), stored.size(), name,
                               "Invalid  format or save corrupted: game data of " + path_ + " ",
                               BrokenStream::kRefuse);
        });
    }
    Ref<MemoryStream> data = MakeRef<MemoryStream>(name);
    data->Write(stored.data(), stored.size());
    data->Seek(0);
    return data;
}

}  // namespace cv
