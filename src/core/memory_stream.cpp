#include "core/memory_stream.h"

#include <cstring>

namespace cv {

void MemoryStream::Seek(int64_t position) { position_ = position < 0 ? 0 : position; }

int64_t MemoryStream::Skip(int64_t delta) {
    Seek(position_ + delta);
    return position_;
}

void MemoryStream::Read(void* buffer, size_t n) {
    if (n == 0) return;
    if (position_ > Size() || n > static_cast<size_t>(Size() - position_)) OnReadError();
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += static_cast<int64_t>(n);
}

void MemoryStream::Write(const void* buffer, size_t n) {
    if (n == 0) return;
    size_t end = static_cast<size_t>(position_) + n;
    if (end > data_.size()) data_.resize(end, 0);
    std::memcpy(data_.data() + position_, buffer, n);
    position_ = static_cast<int64_t>(end);
}

}  // namespace cv
