// Package::Write: the writer half of the package format.
#include <cstdio>
#include <vector>

#include "core/byte_io.h"
#include "core/fatal_error.h"
#include "core/memory_stream.h"
#include "core/package.h"
#include "core/zlib_codec.h"

namespace cv {
namespace {

constexpr size_t kDeflatePiece = 16384;
constexpr size_t kCopyPiece = 4096;

struct OutEntry {
    const std::string* name;
    const std::string* content;
    std::vector<uint8_t> packed;  // filled when compressing
    int duplicateOf = -1;
    int64_t recordPosition = 0;
    uint32_t offset = 0;

    const uint8_t* data() const {
        return content ? reinterpret_cast<const uint8_t*>(content->data()) : packed.data();
    }
    size_t size() const { return content ? content->size() : packed.size(); }
};

void Compress(OutEntry& entry) {
    MemoryStream packed;
    WritePackedBlock(packed, entry.data(), entry.size(), kDeflatePiece);
    entry.packed = packed.bytes();
    entry.content = nullptr;
}

void CompressAll(std::vector<OutEntry>& entries) {
    uint64_t unpacked = 0, packed = 0;
    for (OutEntry& entry : entries) {
        unpacked += entry.size();
        Compress(entry);
        packed += entry.size();
    }
    // An empty package has nothing to compare; its ratio is shown as 0.
    double ratio =
        unpacked ? static_cast<double>(packed) * 100.0 / static_cast<double>(unpacked) : 0;
    std::printf("Unpack size: %llu, compressed: %llu, ratio: %4.2f%%\n",
                static_cast<unsigned long long>(unpacked), static_cast<unsigned long long>(packed),
                ratio);
}

bool SameBytes(const OutEntry& a, const OutEntry& b) {
    return a.size() == b.size() && std::equal(a.data(), a.data() + a.size(), b.data());
}

void Deduplicate(std::vector<OutEntry>& entries) {
    int equalFiles = 0;
    uint64_t equalSize = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].duplicateOf >= 0) continue;
        for (size_t j = i + 1; j < entries.size(); ++j) {
            if (entries[j].duplicateOf >= 0 || !SameBytes(entries[i], entries[j])) continue;
            entries[j].duplicateOf = static_cast<int>(i);
            ++equalFiles;
            equalSize += entries[j].size();
        }
    }
    std::printf("Optimize result: Equal files=%d, Total size=%llu\n", equalFiles,
                static_cast<unsigned long long>(equalSize));
}

uint32_t Checked32(uint64_t value, const Stream& out) {
    if (value > UINT32_MAX) FatalError("Package %s would pass 4 GiB", out.Name().c_str());
    return static_cast<uint32_t>(value);
}

void WriteRecord(Stream& out, OutEntry& entry) {
    entry.recordPosition = out.Tell();
    const std::string& name = *entry.name;
    WriteU32(out, 0);
    WriteU32(out, Checked32(entry.size(), out));
    WriteU32(out, Checked32(name.size(), out));
    static const char kZeros[4] = {};
    out.Write(name.data(), name.size());
    out.Write(kZeros, (4 - name.size() % 4) % 4);
}

// Whole pieces of 4096 bytes; the last one is rounded up to 16 with zeros.
void CopyData(Stream& out, const OutEntry& entry) {
    const uint8_t* data = entry.data();
    size_t left = entry.size();
    while (left >= kCopyPiece) {
        out.Write(data, kCopyPiece);
        data += kCopyPiece;
        left -= kCopyPiece;
    }
    if (left == 0) return;
    uint8_t last[kCopyPiece] = {};
    std::copy(data, data + left, last);
    out.Write(last, (left + 15) & ~size_t{15});
}

void WriteData(Stream& out, std::vector<OutEntry>& entries) {
    for (OutEntry& entry : entries) {
        const int64_t here = out.Tell();
        entry.offset = entry.duplicateOf >= 0 ? entries[entry.duplicateOf].offset
                                              : Checked32(static_cast<uint64_t>(here), out);
        out.Seek(entry.recordPosition);
        WriteU32(out, entry.offset);
        out.Seek(here);
        if (entry.duplicateOf < 0) CopyData(out, entry);
    }
}

}  // namespace

void Package::Write(Stream& out, int flags) {
    const bool compress = (flags & kCompress) != 0;
    out.Open();
    if (compress) std::printf("Use ZIP compression...\n");
    out.Seek(0);
    const uint32_t count = Checked32(additions_.size(), out);
    for (uint32_t field : {0u, 0u, count, kPackageHeaderSize, compress ? 1u : 0u}) {
        WriteU32(out, field);
    }
    std::vector<OutEntry> entries;
    entries.reserve(additions_.size());
    for (const auto& [key, addition] : additions_) {
        entries.push_back(OutEntry{&addition.name, &addition.content, {}});
    }
    if (compress) CompressAll(entries);
    if (flags & kDeduplicate) Deduplicate(entries);
    for (OutEntry& entry : entries) WriteRecord(out, entry);
    WriteData(out, entries);
    const uint32_t total = Checked32(static_cast<uint64_t>(out.Tell()), out);
    out.Seek(0);
    for (uint32_t field : {0u, total, count, kPackageHeaderSize}) WriteU32(out, field);
    out.Close();
    std::fflush(stdout);
}

}  // namespace cv
