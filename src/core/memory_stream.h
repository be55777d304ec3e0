#pragma once

#include <vector>

#include "core/stream.h"

namespace cv {

// A growable byte array. Writing past the end grows it (new bytes are 0);
// reading past the end is a read error.
class MemoryStream : public Stream {
public:
    explicit MemoryStream(std::string name = "<Memory Stream>") : name_(std::move(name)) {}

    void Open() override {}
    void Close() override {}
    int OpenCount() const override { return 1; }
    void Seek(int64_t position) override;
    int64_t Skip(int64_t delta) override;
    int64_t Tell() const override { return position_; }
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }
    using Stream::Name;
    void Name(std::string& out) const override { out = name_; }
    void Read(void* buffer, size_t n) override;
    void Write(const void* buffer, size_t n) override;
    virtual uint8_t* Data() { return data_.data(); }
    virtual void SetSize(size_t n) { data_.resize(n, 0); }

    const std::vector<uint8_t>& bytes() const { return data_; }

private:
    std::string name_;
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

}  // namespace cv
