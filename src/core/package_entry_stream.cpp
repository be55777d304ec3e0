#include "core/package_entry_stream.h"

namespace cv {

PackageEntryStream::PackageEntryStream(Ref<Stream> package, int64_t offset, int64_t size,
                                       std::string name)
    : package_(std::move(package)), offset_(offset), size_(size), name_(std::move(name)) {}

int64_t PackageEntryStream::Skip(int64_t delta) {
    Seek(position_ + delta);
    return position_;
}

void PackageEntryStream::Name(std::string& out) const {
    out = name_.empty()
              ? "Resource [" + std::to_string(offset_) + "; " + std::to_string(size_) + "]"
              : "Resource <" + name_ + ">";
    out += " of " + package_->Name();
}

void PackageEntryStream::Read(void* buffer, size_t n) {
    if (n == 0) return;
    if (position_ > size_ || n > static_cast<uint64_t>(size_ - position_)) OnReadError();
    package_->Seek(offset_ + position_);
    package_->Read(buffer, n);
    position_ += static_cast<int64_t>(n);
}

void PackageEntryStream::Write(const void*, size_t) {
    OnWriteError();
}

}  // namespace cv
