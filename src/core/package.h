#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "core/stream.h"

namespace cv {

// A package file: a directory of named entries, stored as they are or all
// zlib-compressed, read lazily entry by entry; and the writer that builds one.
// Numbers are 32-bit little-endian. Layout: a 20-byte header (0, file length,
// entry count, directory offset 20, compression flag), one directory record
// per entry (data offset, stored size, name length, name padded to 4 bytes),
// then the data, each entry rounded up to 16 bytes. A compressed entry is its
// unpacked length followed by a zlib stream.
class Package {
public:
    struct Entry {
        std::string name;  // as written in the directory
        uint32_t offset = 0;
        uint32_t storedSize = 0;  // packed size in a compressed package
    };
    enum WriteFlag : int { kDeduplicate = 1, kCompress = 2 };

    Package() = default;
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // Reads the header and directory of `stream`, which stays open while the
    // package lives. A directory that does not fit the file ends the program
    // with "Corrupted package <name>: ...".
    void Load(Ref<Stream> stream);
    // Names compare case-insensitively.
    bool Has(const std::string& name) const;
    // The entry's content: a window of the package, or, when compressed, a
    // memory stream named `name` holding the unpacked bytes. An unknown name
    // ends the program with "Resource %s not found in %s".
    Ref<Stream> Open(const std::string& name);

    // Adds an entry for Write; a later entry of the same name replaces it.
    void Add(const std::string& name, std::string content);
    // Writes the added entries, in name order, into `out` (created by the
    // caller in mode "c"), printing what compression and de-duplication did.
    void Write(Stream& out, int flags);

    bool compressed() const { return compressed_; }
    // The directory by lower-cased name.
    const std::map<std::string, Entry>& entries() const { return entries_; }
    // The package stream's name, or "<none>".
    std::string StreamName() const;

private:
    [[noreturn]] void Corrupted(const std::string& detail) const;
    void ReadDirectory(uint32_t count, uint32_t directoryOffset, uint64_t fileSize);
    Ref<Stream> Unpack(const Entry& entry, const std::string& name);

    struct Addition {
        std::string name;
        std::string content;
    };

    Ref<Stream> stream_;
    std::map<std::string, Entry> entries_;
    bool compressed_ = false;
    std::map<std::string, Addition> additions_;
};

// Directory names compare in lower case; only "A".."Z" change.
std::string LowerCaseName(const std::string& name);

constexpr uint32_t kPackageHeaderSize = 20;

}  // namespace cv
