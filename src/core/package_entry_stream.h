#pragma once

#include "core/stream.h"

namespace cv {

// A read-only window (offset, size) of a package's stream. Every read seeks
// the shared package stream first, so entries may be read in any order.
class PackageEntryStream : public Stream {
public:
    // `name` empty: the entry is named by its window in messages.
    PackageEntryStream(Ref<Stream> package, int64_t offset, int64_t size, std::string name = {});

    void Open() override { package_->Open(); }
    void Close() override { package_->Close(); }
    int OpenCount() const override { return package_->OpenCount(); }
    void Seek(int64_t position) override { position_ = position < 0 ? 0 : position; }
    int64_t Skip(int64_t delta) override;
    int64_t Tell() const override { return position_; }
    int64_t Size() override { return size_; }
    // "Resource <name> of <package>" or "Resource [offset; size] of <package>".
    using Stream::Name;
    void Name(std::string& out) const override;
    // Reading past the window is a read error.
    void Read(void* buffer, size_t n) override;
    // Entries are never written: always a write error.
    void Write(const void* buffer, size_t n) override;

private:
    Ref<Stream> package_;
    int64_t offset_;
    int64_t size_;
    std::string name_;
    int64_t position_ = 0;
};

}  // namespace cv
