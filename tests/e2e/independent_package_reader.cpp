#include "independent_package_reader.h"

#include <zlib.h>

#include <stdexcept>

namespace cv::e2e {
namespace {

class Cursor {
public:
    explicit Cursor(const std::string& bytes) : bytes_(bytes) {}
    uint32_t Word() {
        Need(4);
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes_[at_ + i]);
        at_ += 4;
        return v;
    }
    std::string Take(size_t n) {
        Need(n);
        std::string s = bytes_.substr(at_, n);
        at_ += n;
        return s;
    }
    size_t at() const { return at_; }
    void MoveTo(size_t at) { at_ = at; }

private:
    void Need(size_t n) const {
        if (at_ > bytes_.size() || n > bytes_.size() - at_)
            throw std::runtime_error("past the end");
    }
    const std::string& bytes_;
    size_t at_ = 0;
};

std::string Unpack(const std::string& stored) {
    Cursor cursor(stored);
    std::string out(cursor.Word(), '\0');
    uLongf length = out.size();
    const std::string stream = stored.substr(4);
    int result = uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                            reinterpret_cast<const Bytef*>(stream.data()), stream.size());
    if (result != Z_OK || length != out.size()) throw std::runtime_error("bad zlib stream");
    return out;
}

}  // namespace

RawPackage ReadPackageIndependently(const std::string& bytes) {
    Cursor cursor(bytes);
    RawPackage package;
    package.first = cursor.Word();
    package.totalLength = cursor.Word();
    package.count = cursor.Word();
    package.directoryOffset = cursor.Word();
    package.compressed = cursor.Word();
    cursor.MoveTo(package.directoryOffset);
    for (uint32_t i = 0; i < package.count; ++i) {
        RawEntry entry;
        entry.offset = cursor.Word();
        entry.storedSize = cursor.Word();
        const uint32_t nameLength = cursor.Word();
        entry.name = cursor.Take(nameLength);
        cursor.Take((4 - nameLength % 4) % 4);
        package.entries.push_back(entry);
    }
    package.dataStart = static_cast<uint32_t>(cursor.at());
    for (RawEntry& entry : package.entries) {
        cursor.MoveTo(entry.offset);
        const std::string stored = cursor.Take(entry.storedSize);
        entry.content = package.compressed ? Unpack(stored) : stored;
    }
    return package;
}

}  // namespace cv::e2e
