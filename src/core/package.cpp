#include "core/package.h"

#include <string>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/package_entry_stream.h"
#include "core/zlib_codec.h"

namespace cv {

namespace {

constexpr uint32_t kRecordFixedSize = 12;

uint64_t PaddedNameSize(uint32_t length) {
    return (uint64_t{length} + 3) & ~uint64_t{3};
}

}  // namespace

std::string LowerCaseName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

Package::~Package() {
    if (stream_) stream_->Close();
}

std::string Package::StreamName() const {
    return stream_ ? stream_->Name() : "<none>";
}

void Package::Corrupted(const std::string& detail) const {
    FatalError("Corrupted package %s: %s", StreamName().c_str(), detail.c_str());
}

void Package::Load(Ref<Stream> stream) {
    if (stream_) stream_->Close();
    entries_.clear();
    stream_ = std::move(stream);
    stream_->Open();
    const uint64_t fileSize = static_cast<uint64_t>(stream_->Size());
    if (fileSize < kPackageHeaderSize) Corrupted("the header is cut short");
    stream_->Seek(0);
    ReadU32(*stream_);  // always 0, never checked
    ReadU32(*stream_);  // file length
    const uint32_t count = ReadU32(*stream_);
    const uint32_t directoryOffset = ReadU32(*stream_);
    compressed_ = ReadU32(*stream_) != 0;
    if (directoryOffset > fileSize) Corrupted("the directory lies outside the file");
    if (count > (fileSize - directoryOffset) / kRecordFixedSize) {
        Corrupted(std::to_string(count) + " entries cannot fit in the file");
    }
    ReadDirectory(count, directoryOffset, fileSize);
}

void Package::ReadDirectory(uint32_t count, uint32_t directoryOffset, uint64_t fileSize) {
    uint64_t position = directoryOffset;
    stream_->Seek(static_cast<int64_t>(position));
    for (uint32_t i = 0; i < count; ++i) {
        if (fileSize - position < kRecordFixedSize) {
            Corrupted("the record of entry " + std::to_string(i) + " is cut short");
        }
        Entry entry;
        entry.offset = ReadU32(*stream_);
        entry.storedSize = ReadU32(*stream_);
        const uint32_t nameLength = ReadU32(*stream_);
        position += kRecordFixedSize;
        const uint64_t padded = PaddedNameSize(nameLength);
        if (padded > fileSize - position) {
            Corrupted("the name of entry " + std::to_string(i) + " runs past the end");
        }
        entry.name.resize(nameLength);
        if (nameLength > 0) stream_->Read(entry.name.data(), nameLength);
        position += padded;
        stream_->Seek(static_cast<int64_t>(position));
        if (uint64_t{entry.offset} + entry.storedSize > fileSize) {
            Corrupted("the data of \"" + entry.name + "\" lies outside the file");
        }
        entries_[LowerCaseName(entry.name)] = std::move(entry);
    }
}

bool Package::Has(const std::string& name) const {
    return entries_.count(LowerCaseName(name)) != 0;
}

Ref<Stream> Package::Open(const std::string& name) {
    auto found = entries_.find(LowerCaseName(name));
    if (found == entries_.end()) {
        FatalError("Resource %s not found in %s", name.c_str(), StreamName().c_str());
    }
    const Entry& entry = found->second;
    if (compressed_) return Unpack(entry, name);
    return MakeRef<PackageEntryStream>(stream_, entry.offset, entry.storedSize, name);
}

Ref<Stream> Package::Unpack(const Entry& entry, const std::string& name) {
    std::string stored(entry.storedSize, '\0');
    stream_->Seek(entry.offset);
    if (!stored.empty()) stream_->Read(stored.data(), stored.size());
    return UnpackBlock(reinterpret_cast<const uint8_t*>(stored.data()), stored.size(), name,
                       "Corrupted package " + StreamName() + ": \"" + name + "\" ");
}

void Package::Add(const std::string& name, std::string content) {
    additions_[LowerCaseName(name)] = Addition{name, std::move(content)};
}

}  // namespace cv
